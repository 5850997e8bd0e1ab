// Writes the title demonstration's field as the initialiser of an array of 32-bit pixels, so that
// the title shows the picture at once instead of drawing it on every start:
//   tezra_fieldgen FILE
#include <cstdio>
#include <fstream>

#include "art/demo_background.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE\n", argv[0]);
        return 2;
    }
    const QImage field = DrawNightField(kDemoFieldShape);
    std::ofstream out(argv[1]);
    out << std::hex;
    for (int y = 0; y < field.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(field.constScanLine(y));
        for (int x = 0; x < field.width(); ++x) {
            out << "0x" << row[x] << "u," << (x % 8 == 7 ? '\n' : ' ');
        }
        out << '\n';
    }
    out.close();
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
