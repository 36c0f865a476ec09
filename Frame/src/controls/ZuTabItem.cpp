#include "ZuTabItem.h"

CZuTabItem::CZuTabItem() : iId(-1), iPage(nullptr) {}

CZuTabItem::~CZuTabItem() {}
