#include "TextCodec.h"

#include <QStringDecoder>

namespace orvantis {

QString DecodeText(std::string_view bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QString text = utf8.decode(view);
    if (!utf8.hasError()) return text;
    return QString::fromLatin1(view);
}

std::string EncodeText(const QString& text)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) bytes.push_back(c.unicode() < 256 ? static_cast<char>(c.unicode()) : '?');
    return bytes;
}

std::string EncodeFileName(const QString& name)
{
    return name.toLocal8Bit().toStdString();
}

}  // namespace orvantis
