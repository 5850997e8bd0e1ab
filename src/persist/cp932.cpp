#include "persist/cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {
// Qt's ICU back end knows the Windows table under this name.
constexpr const char* kCodecName = "windows-31j";

QByteArray EncodeStrictly(QStringView text, bool& ok) {
    QStringEncoder encoder(kCodecName, QStringConverter::Flag::Stateless);
    QByteArray bytes = encoder(text);
    ok = encoder.isValid() && !encoder.hasError();
    return bytes;
}
}  // namespace

bool IsCp932Available() {
    return QStringEncoder(kCodecName).isValid();
}

QByteArray EncodeCp932(QStringView text) {
    bool ok = false;
    QByteArray bytes = EncodeStrictly(text, ok);
    if (ok) {
        return bytes;
    }
    // Rare: go character by character so that only the offending ones are replaced.
    const QByteArray substitute = EncodeStrictly(QStringView(&kUnencodableSubstitute, 1), ok);
    bytes.clear();
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QByteArray one = EncodeStrictly(text.mid(i, length), ok);
        bytes += ok ? one : substitute;
        i += length;
    }
    return bytes;
}

std::optional<QByteArray> TryEncodeCp932(QStringView text) {
    if (!IsCp932Available()) {
        return std::nullopt;
    }
    return EncodeCp932(text);
}

QString DecodeCp932(QByteArrayView bytes) {
    QStringDecoder decoder(kCodecName, QStringConverter::Flag::Stateless);
    return decoder(bytes);
}

bool IsCp932Encodable(QStringView text) {
    bool ok = false;
    EncodeStrictly(text, ok);
    return ok;
}
