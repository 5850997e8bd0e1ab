// Build step: writes the shipped note file from its UTF-8 source, the way the game writes its
// data files. Usage: make_note_file <note.txt> <dat_cot.ini>
#include <QFile>
#include <QString>
#include <cstdio>

#include "persist/data_file_io.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <note.txt> <dat_cot.ini>\n", argv[0]);
        return 2;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const QString note = QString::fromUtf8(source.readLine()).trimmed();
    if (!WriteDataLines(QString::fromLocal8Bit(argv[2]), {note})) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
