// barcode-cli: the barcode engine on the command line, without Qt. Bitmaps without text at right
// angles are drawn here; a run whose pictures need Qt goes on as barcode-cli-qt (launch.h).
#include "launch.h"
#include "run.h"

int main(int argc, char** argv) {
  using namespace bars::cli;
  return Run(argc, argv, [argv](const Options& options) {
    if (PicturesNeedQt(options)) RunQtProgram(argv);
    return MakeRasterPictureMaker(PictureSettings(options));
  });
}
