#include "QtClipboard.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImageReader>
#include <QMimeData>

namespace {

const QString PLAIN_TEXT = QStringLiteral("text/plain");

// Null when the clipboard is empty.
const QMimeData* content() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard ? clipboard->mimeData(QClipboard::Clipboard) : nullptr;
}

bool hasPlainText(const QMimeData& data) {
    const QStringList formats = data.formats();
    for (const QString& format : formats) {
        if (format == PLAIN_TEXT || format.startsWith(PLAIN_TEXT + QLatin1Char(';'))) return true;
    }
    return false;
}

// The image/* types offered, PNG then BMP first: both keep every pixel, and PNG travels compressed.
QStringList imageFormats(const QMimeData& data) {
    QStringList found;
    const QStringList formats = data.formats();
    for (const QString& format : formats) {
        if (format.startsWith(QLatin1String("image/"))) found << format;
    }
    for (const QString& preferred : {QStringLiteral("image/bmp"), QStringLiteral("image/png")}) {
        if (found.removeAll(preferred) > 0) found.prepend(preferred);
    }
    return found;
}

ClipboardImage decodeWithin(QByteArray bytes, const std::function<bool(const QSize&)>& acceptable) {
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::ReadOnly)) return {};
    QImageReader reader(&buffer); // the format is told from the bytes, whatever the type said
    if (!reader.canRead()) return {};
    // The header gives the size before anything is allocated; a reader that cannot tell it is checked
    // once it has decoded.
    const QSize announced = reader.size();
    if (announced.isValid() && !acceptable(announced)) return {QImage(), announced, true};
    QImage image = reader.read();
    if (image.isNull()) return {};
    if (!acceptable(image.size())) return {QImage(), image.size(), true};
    return {image, image.size(), false};
}

} // namespace

bool QtClipboard::hasFormat(ClipboardFormat format) const {
    const QMimeData* data = content();
    if (!data) return false;
    switch (format) {
    case ClipboardFormat::Text:
        return hasPlainText(*data);
    case ClipboardFormat::Bitmap:
    case ClipboardFormat::DeviceIndependentBitmap:
        return data->hasImage() || !imageFormats(*data).isEmpty();
    case ClipboardFormat::RichText:
        return data->hasFormat(QStringLiteral("text/rtf")) ||
               data->hasFormat(QStringLiteral("text/richtext"));
    }
    return false;
}

QString QtClipboard::text() const {
    const QMimeData* data = content();
    if (!data || !hasPlainText(*data)) return {};
    return data->text();
}

ClipboardImage QtClipboard::image(const std::function<bool(const QSize&)>& acceptable) const {
    const QMimeData* data = content();
    if (!data) return {};
    const QStringList formats = imageFormats(*data);
    for (const QString& format : formats) {
        const ClipboardImage found = decodeWithin(data->data(format), acceptable);
        if (!found.image.isNull() || found.refused) return found;
    }
    // A picture held as one already: put there by this program, or given by a desktop whose clipboard
    // offers pictures in a form of its own.
    if (formats.isEmpty() && data->hasImage()) {
        const QImage image = qvariant_cast<QImage>(data->imageData());
        if (image.isNull()) return {};
        if (!acceptable(image.size())) return {QImage(), image.size(), true};
        return {image, image.size(), false};
    }
    return {};
}

void QtClipboard::setText(const QString& text) {
    QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
}

void QtClipboard::setImage(const QImage& image) {
    QGuiApplication::clipboard()->setImage(image, QClipboard::Clipboard);
}
