#include "ZuUiStyleLabel.h"

CZuUiStyleLabel::CZuUiStyleLabel() {}

CZuUiStyleLabel::~CZuUiStyleLabel() {}
