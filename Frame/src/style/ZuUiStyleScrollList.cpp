#include "ZuUiStyleScrollList.h"

CZuUiStyleScrollList::CZuUiStyleScrollList() {}

CZuUiStyleScrollList::~CZuUiStyleScrollList() {}
