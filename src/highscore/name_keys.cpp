#include "highscore/name_keys.h"

const std::array<KeyArray, kKeyArrays>& KeyArrays() {
    static const std::array<KeyArray, kKeyArrays> arrays{{
        {"cmdKey",
         {8, 48},
         {QStringLiteral(
              "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもや，"
              "ゆ。よらりるれろわ・（）を"),
          QStringLiteral(
              "アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤ＄"
              "ユ％ヨラリルレロワ＃「」ヲ")}},
        {"cmdKey1",
         {144, 24},
         {QStringLiteral(
              "んっゃゅょがぎぐげござじずぜぞだぢづでどばびぶべぼぱぴぷぺぽぁぃぅぇぉ０１"
              "２３４５６７８９＋－×÷＝\u3000￥★♪＠"),
          QStringLiteral(
              "ンッャュョガギグゲゴザジズゼゾダヂヅデドバビブベボパピプペポァィゥェォ、："
              "；〇～∥｜…‥［］｛｝【】ー＜＞≦≧")}},
        {"cmdKey2",
         {280, 24},
         {QStringLiteral("ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ＆／！？"),
          QStringLiteral("ａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗｘｙｚ→←↑↓")}},
    }};
    return arrays;
}

QPoint KeyPosition(QPoint origin, int index) {
    return origin + QPoint(kKeyPitch * (index % kKeysPerRow), kKeyPitch * (index / kKeysPerRow));
}
