#ifndef ZUENV_H
#define ZUENV_H

#include <cstdint>

#include "ZuObjectList.h"
#include "ZuPoint.h"
#include "ZuString.h"

class CZuFont;
class CZuFontManager;
class CZuImage;
class CZuImageManager;
class CZuMessageProcessorImpl;
class CZuPrivateData;
class CZuStringManager;
class CZuTimerManager;
class CZuUiManager;
class CZuUiSetting;
class CZuUiStyle;
class MZuMessageWnd;
struct TZuPathSetting;
enum TZuFontName : int;

// What the application says about where its files are; the toolkit only keeps it.
typedef int TZuPathType;

// The toolkit's one environment: it owns every shared service (UI style and setting, fonts, images,
// strings, timers, the message queue, registered data) and is reached through static accessors. The UI
// manager creates it and destroys it.
class CZuEnv
{
public:
    // Destroys an existing environment, then builds a new one: UI style, path settings, UI setting, font
    // manager, image manager, string manager, timer manager, private data, registered data, message queue.
    static CZuEnv* CreateEnv();
    // Deletes the environment (services in the order of the destructor) and forgets it.
    static void DestroyEnv();
    // The environment, or null.
    static CZuEnv* Static();

    // A process-wide counter for ids of rows, cells and the like.
    static unsigned GetNextId();

    // The services; null without an environment.
    static CZuUiSetting* UiSetting();
    static CZuUiManager* UiManager();
    static CZuUiStyle* UiStyle();
    static CZuFontManager* FontMgr();
    static CZuImageManager* ImageMgr();
    static CZuStringManager* StringMgr();
    static CZuTimerManager* TimerMgr();
    static CZuMessageProcessorImpl* MsgProcessor();
    static CZuPrivateData* PrivateData();
    // A shared font from the font manager (one more reference), or a font of its own without an
    // environment. Hand it back with ReleaseFont.
    static CZuFont* AcquireFont(TZuFontName name, int size, bool flag);
    // Hands a font back to the font manager, or releases it without an environment; null does nothing.
    static void ReleaseFont(CZuFont* font);
    // Hands an image back to the image manager, or releases it without an environment; null does nothing.
    static void ReleaseImage(CZuImage* image);
    // The text of a string id (the string manager's "NotFound" for an unknown id).
    static CZuString GetString(int id);
    // The same, or fallback when no table gives the id a text (no environment, or an empty text).
    static CZuString GetString(int id, const char* fallback);

    static void SetPathType(TZuPathType type);
    static TZuPathType GetPathType();
    static void SetPrivatePath(const CZuString& path);
    static CZuString GetPrivatePath();

    // Queues a message; the queue takes it and delivers it on a later tick.
    void PostMessageW(MZuMessageWnd* target, unsigned type, uintptr_t param1, uintptr_t param2,
                      const CZuPoint& point = CZuPoint());
    // Delivers a message at once.
    void SendMessageW(MZuMessageWnd* target, unsigned type, uintptr_t param1, uintptr_t param2);

    void SetUiManager(CZuUiManager* manager) { iUiManager = manager; }

    // Data the application keeps under a key. A second record with the same key is appended; GetData and
    // UnRegisterData find the first.
    virtual bool RegisterData(int key, void* data);
    virtual void* GetData(int key);
    virtual void UnRegisterData(int key);
    // Deletes the services: fonts, images, strings, timers (stopping them), the message queue (with the
    // queued messages), UI style, private data, registered data, UI setting, path settings.
    virtual ~CZuEnv();

private:
    CZuEnv();
    CZuEnv(const CZuEnv&) = delete;
    CZuEnv& operator=(const CZuEnv&) = delete;

    static CZuEnv* iStatic;

    unsigned iNextId;
    CZuUiSetting* iUiSetting;
    CZuUiManager* iUiManager;
    CZuFontManager* iFontMgr;
    CZuImageManager* iImageMgr;
    CZuStringManager* iStringMgr;
    CZuTimerManager* iTimerMgr;
    CZuMessageProcessorImpl* iMsgProcessor;
    CZuUiStyle* iUiStyle;
    TZuPathSetting* iPathSetting;
    CZuPrivateData* iPrivateData;
    CZuObjectList* iRegisteredData;
};

#endif // ZUENV_H
