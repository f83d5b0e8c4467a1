#include "app/program.h"
#include "preview/preview.h"

void TPreviewForm::TestBending() {}
