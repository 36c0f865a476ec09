#include "ZuUiStylePromptBar.h"

CZuUiStylePromptBar::CZuUiStylePromptBar() {}

CZuUiStylePromptBar::~CZuUiStylePromptBar() {}
