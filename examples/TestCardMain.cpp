// Renders the drawing context's test card into a PNG: zu_testcard [output.png]. Without an argument the
// card is written as testcard.png beside the program.
#include "TestCard.h"

#include "ZuAl.h"
#include "ZuBase.h"

#include <cstdio>

int main(int argc, char** argv)
{
    std::string program = argc > 0 ? argv[0] : "";
    std::string directory = program.substr(0, program.find_last_of('/') + 1);
    std::string output = argc > 1 ? argv[1] : directory + "testcard.png";

    CZuBitmapGc gc(CZuSize(KTestCardWidth, KTestCardHeight));
    gc.BeginDraw();
    DrawTestCard(gc, ZU_EXAMPLE_DATA_DIR);
    CZuImage* card = gc.EndDraw();
    if (!WritePng(output, card->GetImgBuf(), KTestCardWidth, KTestCardHeight))
    {
        std::fprintf(stderr, "cannot write %s\n", output.c_str());
        return 1;
    }
    std::printf("%s\n", output.c_str());
    return 0;
}
