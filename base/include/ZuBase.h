#ifndef ZUBASE_H
#define ZUBASE_H

// Everything of the base library.
#include "ZuTypes.h"

#include "ZuObject.h"
#include "ZuString.h"
#include "ZuString16.h"
#include "ZuUnicode.h"

#include "ZuData.h"
#include "ZuDataList.h"
#include "ZuNameValue.h"
#include "ZuNameValueList.h"
#include "ZuObjOrderCallback.h"
#include "ZuObjectList.h"
#include "ZuObjectRef.h"

#include "ZuBuffer.h"
#include "ZuDir.h"
#include "ZuDirEntry.h"
#include "ZuFile.h"
#include "ZuInStream.h"
#include "ZuLink.h"
#include "ZuLinkC.h"
#include "ZuLittleEndian.h"
#include "ZuOutStream.h"
#include "ZuReadFileStream.h"
#include "ZuWriteFileStream.h"

#include "ZuMargin.h"
#include "ZuMd5.h"
#include "ZuPoint.h"
#include "ZuRandom.h"
#include "ZuRect.h"
#include "ZuRectUtil.h"
#include "ZuRgb.h"
#include "ZuSize.h"
#include "ZuTime.h"
#include "ZuVarient.h"
#include "ZuVersion.h"

#endif // ZUBASE_H
