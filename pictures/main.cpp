// Draws the element pictures (1601.bmp ... 2802.bmp, 105 x 105 pixels) into
// the directory named on the command line.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "shapes.h"

int main(int argc, char** argv) {
    using namespace tolvane::pictures;
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output directory>\n", argv[0]);
        return 2;
    }
    std::filesystem::path dir(argv[1]);
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    for (const Picture& p : elementPictures()) {
        Canvas canvas(105, 105);
        p.draw(canvas);
        std::vector<std::uint8_t> bytes = canvas.bmp();
        std::filesystem::path file = dir / (std::to_string(p.number) + ".bmp");
        std::ofstream out(file, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", file.string().c_str());
            return 1;
        }
    }
    return 0;
}
