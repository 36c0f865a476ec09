#ifndef ZUXML_H
#define ZUXML_H

// ZuXml: screens and window descriptions built from form files, and safe reading of XML.
#include "XmlText.h"
#include "XmlUtil.h"
#include "ZuXmlForm.h"
#include "ZuXmlWnd.h"

#endif // ZUXML_H
