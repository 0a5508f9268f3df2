#pragma once

#include "Clipboard.h"

// The desktop's clipboard through QClipboard. The formats are told from the MIME types offered: text/plain
// is text; any image/* (or a picture the program put there itself) is both bitmap formats; text/rtf or
// text/richtext is rich text. Anything else, HTML alone included, is none of them.
class QtClipboard final : public Clipboard {
public:
    bool hasFormat(ClipboardFormat format) const override;
    QString text() const override;
    ClipboardImage image(const std::function<bool(const QSize&)>& acceptable) const override;
    void setText(const QString& text) override;
    void setImage(const QImage& image) override;
};
