#include "highscore/name_keys.h"

#include <QHash>

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

QString SpokenKey(QChar character) {
    static const QHash<QChar, QString> kWords{
        {u'，', "コンマ"},
        {u'。', "まる"},
        {u'、', "てん"},
        {u'・', "なかぐろ"},
        {u'（', "かっこ"},
        {u'）', "かっことじ"},
        {u'「', "かぎかっこ"},
        {u'」', "かぎかっことじ"},
        {u'［', "かくかっこ"},
        {u'］', "かくかっことじ"},
        {u'｛', "なみかっこ"},
        {u'｝', "なみかっことじ"},
        {u'【', "すみつきかっこ"},
        {u'】', "すみつきかっことじ"},
        {u'＄', "ドル"},
        {u'％', "パーセント"},
        {u'＃', "シャープ"},
        {u'＋', "プラス"},
        {u'－', "マイナス"},
        {u'×', "かける"},
        {u'÷', "わる"},
        {u'＝', "イコール"},
        {u'\u3000', "空白"},
        {u'￥', "えん"},
        {u'★', "ほし"},
        {u'♪', "おんぷ"},
        {u'＠', "アットマーク"},
        {u'＆', "アンド"},
        {u'／', "スラッシュ"},
        {u'！', "びっくりマーク"},
        {u'？', "はてなマーク"},
        {u'→', "みぎやじるし"},
        {u'←', "ひだりやじるし"},
        {u'↑', "うえやじるし"},
        {u'↓', "したやじるし"},
        {u'：', "コロン"},
        {u'；', "セミコロン"},
        {u'～', "なみせん"},
        {u'∥', "へいこう"},
        {u'｜', "たてせん"},
        {u'…', "てんてんてん"},
        {u'‥', "てんてん"},
        {u'＜', "しょうなり"},
        {u'＞', "だいなり"},
        {u'≦', "しょうなりイコール"},
        {u'≧', "だいなりイコール"},
    };
    return kWords.value(character, QString(character));
}
