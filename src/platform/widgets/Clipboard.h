#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

// The kinds of content the program tells apart on the clipboard, as the desktop's clipboard names its
// formats: plain text, a bitmap, a device-independent bitmap, rich text. A desktop that has no separate
// bitmap formats reports a picture as both.
enum class ClipboardFormat { Text, Bitmap, DeviceIndependentBitmap, RichText };

// A picture taken from the clipboard, with the size its data gave.
struct ClipboardImage {
    QImage image; // null when there is none, it cannot be read, or it was refused
    QSize size;
    bool refused = false; // for its size, before it was decoded
};

// The desktop's clipboard, shared with the other programs.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual bool hasFormat(ClipboardFormat format) const = 0;
    // The plain text; empty when there is none (rich text is never given as its source).
    virtual QString text() const = 0;
    // The picture, decoded only when acceptable(size) agrees to the size its data gives: a picture that
    // is too large to hold is refused before it takes the memory.
    virtual ClipboardImage image(const std::function<bool(const QSize&)>& acceptable) const = 0;
    // Each replaces whatever the clipboard held, in every format.
    virtual void setText(const QString& text) = 0;
    virtual void setImage(const QImage& image) = 0;
};
