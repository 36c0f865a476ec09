#ifndef ZULEXIDS_H
#define ZULEXIDS_H

// The program's own numbers, named once for the application, its screens and their tests: the main window,
// the views, the dialogs, the commands and the string ids. Its colours are in ZuLexColours.h. A number that
// stands in a file (a form, a string table) or that the toolkit acts on keeps its value.

// The main window description, and the file it is read from.
const int KZuLexWndId = 1;
const char* const KZuLexWndName = "ZuLexWnd";
const char* const KZuLexWndFile = "WordWnd.xml";

// The version the program shows: in the prompt after the main title, and in the about text.
const char* const KZuLexVersionText = "V1.0.4";

// The views, in the order they are made.
enum TZuLexView
{
    EZuLexViewMain = 1,
    EZuLexViewCourse = 2,
    EZuLexViewStudy = 3,
    EZuLexViewReview = 4,
    EZuLexViewTest = 5,
    EZuLexViewNewword = 6,
    EZuLexViewSetting = 7
};

// The messages the program's screens take beside the toolkit's (ZuMessage.h).
enum TZuLexMessage
{
    // A modeless dialog closed: param1 1 when it was accepted, param2 the dialog.
    EZuLexMsgDialogClosed = 17
};

// The dialogs' ids.
enum TZuLexDialog
{
    EZuLexDlgAbout = 0,
    EZuLexDlgNoWords = 0,
    EZuLexDlgInfoPage = 1,
    EZuLexDlgTestRange = 1,
    EZuLexDlgGroup = 11,
    // A message of the application (an update check's answer, a book that could not be written).
    EZuLexDlgMessage = 20
};

// Commands: of the soft keys, the menus, the main grid's cells and the screens' buttons.
enum TZuLexCommand
{
    // The left soft key opens the options menu; the toolkit acts on it.
    EZuLexCmdMenu = 1,
    // Back to the main screen; the course screen also takes the other.
    EZuLexCmdCourseBack = 4,
    EZuLexCmdBack = 5,
    // Ends the program; the toolkit acts on it.
    EZuLexCmdExit = 6,
    EZuLexCmdAbout = 8,

    // The main grid's cells; no cell carries the review screen's.
    EZuLexCmdOpenCourse = 24833,
    EZuLexCmdOpenStudy = 24834,
    EZuLexCmdOpenReview = 24835,
    EZuLexCmdOpenTest = 24836,
    EZuLexCmdOpenNewword = 24837,
    EZuLexCmdOpenSetting = 24838,

    EZuLexCmdUpdateCheck = 24839,
    EZuLexCmdInfoPage = 24861,

    // The course screen.
    EZuLexCmdCourseOk = 24840,
    EZuLexCmdCourseCancel = 24841,

    // The study screen.
    EZuLexCmdSelectGroup = 24842,
    EZuLexCmdAddNewWord = 24843,
    EZuLexCmdPrevWord = 24844,
    EZuLexCmdNextWord = 24845,
    // Also the test screen's.
    EZuLexCmdSpeech = 24846,
    EZuLexCmdBrowse = 24847,
    EZuLexCmdStopBrowse = 24848,

    // The new-word screen.
    EZuLexCmdNewwordDelete = 24849,
    EZuLexCmdNewwordOk = 24850,
    EZuLexCmdNewwordCancel = 24851,

    // The test screen: the range dialog, a new test after the first answer and before it, the answer.
    EZuLexCmdTestRange = 24855,
    EZuLexCmdTestAgain = 24856,
    EZuLexCmdTestNew = 24857,
    EZuLexCmdAnswerOk = 24858,
    EZuLexCmdFinishTest = 24859,

    // The setting screen.
    EZuLexCmdSaveSettings = 24860
};

// The program's string table: the code "LX" in the high half of each id.
enum TZuLexString
{
    // The about dialog: menu entry and title; its text, a format taking the version.
    EZuLexStrAbout = 0x4C580002,
    EZuLexStrAboutText = 0x4C580003,
    // The information page: menu entry and title; its text.
    EZuLexStrInfoPage = 0x4C580004,
    EZuLexStrInfoPageText = 0x4C580005,
    // The update check: menu entry and dialog title; no newer version.
    EZuLexStrUpdateCheck = 0x4C580006,
    EZuLexStrNoUpdate = 0x4C580007,

    // The main grid's captions; the new-word book's is also its name in the course list.
    EZuLexStrCaptionCourse = 0x4C580008,
    EZuLexStrCaptionStudy = 0x4C580009,
    EZuLexStrCaptionTest = 0x4C58000B,
    EZuLexStrCaptionNewword = 0x4C58000C,
    EZuLexStrCaptionSetting = 0x4C58000D,

    // The main screen's title, and the prompt text before the version.
    EZuLexStrMainTitle = 0x4C58000E,
    // The titles of views 2 to 7.
    EZuLexStrTitleCourse = 0x4C58000F,
    EZuLexStrTitleStudy = 0x4C580010,
    EZuLexStrTitleReview = 0x4C580011,
    EZuLexStrTitleTest = 0x4C580012,
    EZuLexStrTitleNewword = 0x4C580013,
    EZuLexStrTitleSetting = 0x4C580014,

    // The group dialog: menu entry and title; its label.
    EZuLexStrSelectGroup = 0x4C580015,
    EZuLexStrSelectGroupLabel = 0x4C580016,
    // The study position, a format taking the word's number and the group's size.
    EZuLexStrStudyPosition = 0x4C580017,
    // Captions of the test's finish button and the study's browse button.
    EZuLexStrFinishTest = 0x4C58001B,
    EZuLexStrBrowse = 0x4C58001C,

    // The test-range dialog: menu entry and title, label, and its three ranges.
    EZuLexStrTestRange = 0x4C58001E,
    EZuLexStrTestRangeLabel = 0x4C580021,
    EZuLexStrTestRangeGroup = 0x4C580022,
    EZuLexStrTestRangeSoFar = 0x4C580023,
    EZuLexStrTestRangeCourse = 0x4C580024,
    // Menu entries that start a test anew: after the first answer, and before it.
    EZuLexStrTestAgain = 0x4C58001F,
    EZuLexStrTestNew = 0x4C580020,
    // The test's speech button; an answer right, and wrong.
    EZuLexStrSpeech = 0x4C580025,
    EZuLexStrAnswerRight = 0x4C580026,
    EZuLexStrAnswerWrong = 0x4C580027,
    // The score, a format taking the percentage; the grades for 90 and above, 80 to 89, 60 to 79, below 60.
    EZuLexStrScore = 0x4C580028,
    EZuLexStrGrade90 = 0x4C580029,
    EZuLexStrGrade80 = 0x4C58002A,
    EZuLexStrGrade60 = 0x4C58002B,
    EZuLexStrGradeBelow60 = 0x4C58002C,

    // The current course has no words.
    EZuLexStrNoWords = 0x4C58002E,
    // The setting screen's left soft key.
    EZuLexStrSaveSettings = 0x4C58002F,

    // The update check failed: no server reached, no answer in time, an answer that is no update document.
    EZuLexStrUpdateNoServer = 0x4C580030,
    EZuLexStrUpdateTimeout = 0x4C580031,
    EZuLexStrUpdateBadAnswer = 0x4C580032,
    // A newer version whose document has no description, a format taking the version.
    EZuLexStrUpdateNewer = 0x4C580033,
    // Shown while the update check waits for the server.
    EZuLexStrUpdateChecking = 0x4C580034,

    // The new-word book could not be written: its changes are not kept.
    EZuLexStrNewwordNotSaved = 0x4C580040,
    // The new-word book holds no word: how words get into it.
    EZuLexStrNewwordEmpty = 0x4C580041,

    // The test screen: the course has fewer than four different explanations, so no question can offer
    // four different choices.
    EZuLexStrTooFewExplanations = 0x4C580050
};

// The toolkit's strings ("ZU") that the program shows.
enum TZuLexUiString
{
    EZuLexUiStrOptions = 0x5A550002,
    EZuLexUiStrOk = 0x5A550004,
    EZuLexUiStrCancel = 0x5A550005,
    EZuLexUiStrBack = 0x5A550006,
    EZuLexUiStrExit = 0x5A550008,
    EZuLexUiStrAbout = 0x5A550009
};

#endif // ZULEXIDS_H
