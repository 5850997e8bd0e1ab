// Writes the program's icon in the given sizes, laid out as a desktop icon theme:
//   tezra_icongen FOLDER SIZE...  ->  FOLDER/SIZExSIZE/apps/tezra.png
#include <QDir>
#include <cstdio>
#include <cstdlib>

#include "art/app_icon.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s FOLDER SIZE...\n", argv[0]);
        return 2;
    }
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(argv[1]).arg(size);
        if (size <= 0 || !QDir().mkpath(folder) || !AppIcon(size).save(folder + "/tezra.png")) {
            std::fprintf(stderr, "cannot write %s/tezra.png\n", qUtf8Printable(folder));
            return 1;
        }
    }
    return 0;
}
