#include "mlLang.h"

void TmlCustomLang::CollectStrings() {}
