// bq-iccgen <folder>: writes sRGB.icm and RSWOP.ICM into folder.
#include "IccGen.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: bq-iccgen <folder>\n", stderr);
        return 2;
    }
    if (!IccGen::WriteAllProfiles(argv[1])) {
        std::fprintf(stderr, "bq-iccgen: cannot write the profiles into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
