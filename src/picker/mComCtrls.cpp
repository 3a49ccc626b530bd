#include "picker/mComCtrls.h"

bool InitComCtls() {
    return true;
}
