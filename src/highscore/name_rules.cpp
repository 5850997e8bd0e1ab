#include "highscore/name_rules.h"

#include <QChar>
#include <QList>
#include <algorithm>

#include "persist/cp932.h"

int NameLength(QStringView name) {
    return static_cast<int>(name.toUcs4().size());
}

QString WithoutLastCharacter(QStringView name) {
    qsizetype cut = name.size() - 1;
    if (cut > 0 && name[cut].isLowSurrogate() && name[cut - 1].isHighSurrogate()) {
        --cut;
    }
    return name.first(std::max<qsizetype>(cut, 0)).toString();
}

bool IsNameCharacter(char32_t c) {
    if (QChar::category(c) == QChar::Other_Control) {
        return false;
    }
    const char32_t one[] = {c};
    return IsCp932Encodable(QString::fromUcs4(one, 1));
}

char32_t NameCharacterOfKey(char32_t typed) {
    return typed == U' ' ? U'\u3000' : typed;
}
