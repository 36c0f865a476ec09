// The file dialog over a scratch tree: drives, folders first, odd names entered literally, links, an
// empty folder, a folder without permission and one that vanished; choosing, cancelling and going up.
#include "TestEnv.h"
#include "TestFiles.h"
#include "TestScreen.h"
#include "Unprivileged.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace
{
const std::string KReplacement = "\xEF\xBF\xBD";

std::string Text(const CZuString& s)
{
    return s.PtrZ() ? std::string(s.PtrZ(), s.Length()) : std::string();
}

CZuString Z(const std::string& s)
{
    return CZuString(s.c_str(), static_cast<int>(s.size()));
}

// A scratch tree that is also the home folder:
//   books/ (folder)   empty/   zoo/ with inside.txt   notes.txt   Apple.txt
class FileDialogTest : public ::testing::Test
{
protected:
    FileDialogTest() : iHome("HOME", iTree.Path().substr(0, iTree.Path().size() - 1)), iScreen(true, 480, 360)
    {
    }
    void SetUp() override
    {
        ASSERT_FALSE(iTree.Path().empty());
        for (const char* folder : {"books", "empty", "zoo"})
            ASSERT_EQ(mkdir(iTree.File(folder).c_str(), 0755), 0);
        WriteFileBytes(iTree.File("zoo/inside.txt"), {'z'});
        WriteFileBytes(iTree.File("notes.txt"), {'n'});
        WriteFileBytes(iTree.File("Apple.txt"), {'a'});
    }
    ~FileDialogTest() override { delete iDialog; }
    std::string Home() const { return iTree.Path().substr(0, iTree.Path().size() - 1); }
    std::vector<std::string> Rows(const CZuFileDialogModel& model) const
    {
        std::vector<std::string> rows;
        for (int i = 0; i < model.GetRowCount(); ++i)
            rows.push_back(Text(model.RowText(i)));
        return rows;
    }
    int RowOf(const CZuFileDialogModel& model, const std::string& name) const
    {
        for (int i = 0; i < model.GetRowCount(); ++i)
            if (Text(model.RowName(i)) == name)
                return i;
        return -1;
    }
    CZuFileDialog* Show(CZuFileDialog::TZuFileDialogType type, const std::string& start)
    {
        iDialog = new CZuFileDialog(0, &iResult, type);
        if (!start.empty())
            iDialog->SetStartFolder(Z(start));
        iDialog->ConstructL();
        iDialog->ShowDialog(false, &iLog);
        iScreen.Pump();
        return iDialog;
    }
    CZuList* List() const { return iDialog->GetScrollList()->GetList(); }
    void SelectRow(const std::string& name)
    {
        const int row = RowOf(iDialog->Model(), name);
        ASSERT_GE(row, 0) << name;
        List()->SetSelectedRow(row);
    }
    // Clicks the middle of a row as it is drawn on the screen.
    void ClickRow(int row)
    {
        iScreen.Draw();
        const CZuRect rect = List()->GetDispRowRect(row);
        ASSERT_FALSE(rect.IsEmpty()) << row;
        iScreen.Click((rect.iTl.iX + rect.iBr.iX) / 2, (rect.iTl.iY + rect.iBr.iY) / 2);
    }
    void ClickRow(const std::string& name)
    {
        const int row = RowOf(iDialog->Model(), name);
        ASSERT_GE(row, 0) << name;
        ClickRow(row);
    }
    // Clicks a soft key's button on the command bar: 0 the left one, 1 the right one.
    void ClickSoftKey(int side)
    {
        iScreen.Draw();
        CZuCba* cba = iScreen.Cba();
        ASSERT_EQ(cba->GetButtonCount(), 2);
        const CZuRect rect = cba->GetButton(side)->Rect();
        iScreen.Click((rect.iTl.iX + rect.iBr.iX) / 2, (rect.iTl.iY + rect.iBr.iY) / 2);
    }
    std::string Path() const { return Text(iDialog->GetPathEdit()->GetText()); }
    int Verdict() const
    {
        for (auto it = iLog.iGot.rbegin(); it != iLog.iGot.rend(); ++it)
            if (it->iType == CZuDialog::KMsgDialogClosed)
                return static_cast<int>(it->iParam1);
        return -1;
    }

    CTempFolder iTree;
    CScopedEnv iHome;
    CTestScreen iScreen;
    CMessageLog iLog;
    CZuString iResult{"untouched"};
    CZuFileDialog* iDialog = nullptr;
};

TEST_F(FileDialogTest, TheTopLevelListsTheRootAndTheHomeFolder)
{
    CZuFileDialogModel model(true);
    EXPECT_TRUE(model.Dir().IsTopLevel());
    ASSERT_EQ(Rows(model), (std::vector<std::string>{"/  （根目录）", Home() + "  （主目录）"}));
    EXPECT_EQ(Text(model.RowName(0)), "/");
    EXPECT_EQ(Text(model.RowName(1)), Home());
    EXPECT_EQ(model.RowType(0), CZuFileDialogModel::KRowDir);
    EXPECT_EQ(model.RowType(1), CZuFileDialogModel::KRowDir);
    CZuString chosen;
    ASSERT_TRUE(model.Select(0, chosen));
    EXPECT_EQ(Text(chosen), "/");
    ASSERT_TRUE(model.Select(1, chosen));
    EXPECT_EQ(Text(chosen), Home() + "/");
}

TEST_F(FileDialogTest, FoldersComeFirstAndAFolderDialogNeverListsFiles)
{
    CZuFileDialogModel files(true);
    ASSERT_EQ(files.Activate(1), CZuFileDialogModel::EActEntered);
    EXPECT_EQ(Text(files.GetPath()), Home() + "/");
    EXPECT_EQ(Rows(files),
              (std::vector<std::string>{"<-- 上一级", "books/", "empty/", "zoo/", "Apple.txt", "notes.txt"}));
    EXPECT_TRUE(files.IsUpRow(0));
    EXPECT_EQ(files.RowType(0), CZuFileDialogModel::KRowFile);
    EXPECT_EQ(files.RowType(1), CZuFileDialogModel::KRowDir);
    EXPECT_EQ(files.RowType(4), CZuFileDialogModel::KRowFile);
    CZuFileDialogModel folders(false);
    ASSERT_EQ(folders.Activate(1), CZuFileDialogModel::EActEntered);
    EXPECT_EQ(Rows(folders), (std::vector<std::string>{"<-- 上一级", "books/", "empty/", "zoo/"}));
    ASSERT_EQ(folders.Activate(3), CZuFileDialogModel::EActEntered);
    EXPECT_EQ(Rows(folders), (std::vector<std::string>{"<-- 上一级"}));
}

TEST_F(FileDialogTest, UpGoesToTheParentAndFromADrivesRootToTheDrives)
{
    CZuFileDialogModel model(true);
    model.Activate(1);
    ASSERT_EQ(model.Activate(RowOf(model, "zoo")), CZuFileDialogModel::EActEntered);
    EXPECT_EQ(Rows(model), (std::vector<std::string>{"<-- 上一级", "inside.txt"}));
    EXPECT_EQ(model.Activate(0), CZuFileDialogModel::EActWentUp);
    EXPECT_EQ(Text(model.GetPath()), Home() + "/");
    EXPECT_EQ(model.Activate(0), CZuFileDialogModel::EActWentUp);
    EXPECT_TRUE(model.Dir().IsTopLevel());
    EXPECT_EQ(model.GetRowCount(), 2);
    EXPECT_EQ(Text(model.RowName(1)), Home());
    // The root drive: "/" and never "//".
    ASSERT_EQ(model.Activate(0), CZuFileDialogModel::EActEntered);
    EXPECT_EQ(Text(model.GetPath()), "/");
    EXPECT_GE(RowOf(model, "tmp"), 0);
    CZuString chosen;
    ASSERT_TRUE(model.Select(RowOf(model, "tmp"), chosen));
    EXPECT_EQ(Text(chosen), "/tmp/");
    ASSERT_TRUE(model.Select(0, chosen));
    EXPECT_EQ(Text(chosen), "/");
}

TEST_F(FileDialogTest, OddNamesAreEnteredAndChosenLiterally)
{
    const std::vector<std::string> odd = {"back\\slash", "star*", "[x]", "line\nbreak", "bad\xFF"};
    for (const std::string& name : odd)
    {
        ASSERT_EQ(mkdir(iTree.File(name).c_str(), 0755), 0);
        WriteFileBytes(iTree.File(name + "/in-" + std::to_string(name.size())), {'x'});
    }
    CZuFileDialogModel model(true);
    model.Start(Z(iTree.Path()));
    EXPECT_GE(RowOf(model, "star*"), 0);
    EXPECT_EQ(Text(model.RowText(RowOf(model, "bad\xFF"))), "bad" + KReplacement + "/");
    EXPECT_EQ(Text(model.RowText(RowOf(model, "line\nbreak"))), "line" + KReplacement + "break/");
    for (const std::string& name : odd)
    {
        const int row = RowOf(model, name);
        ASSERT_GE(row, 0) << name;
        CZuString chosen;
        ASSERT_TRUE(model.Select(row, chosen));
        EXPECT_EQ(Text(chosen), iTree.Path() + name + "/");
        ASSERT_EQ(model.Activate(row), CZuFileDialogModel::EActEntered) << name;
        EXPECT_EQ(Text(model.GetPath()), iTree.Path() + name + "/");
        EXPECT_EQ(Rows(model)[1], "in-" + std::to_string(name.size()));
        model.Activate(0);
    }
}

TEST_F(FileDialogTest, LinksAreFollowedOnceAndBrokenOnesNeverEntered)
{
    ASSERT_EQ(symlink("books", iTree.File("to-books").c_str()), 0);
    ASSERT_EQ(symlink("nowhere", iTree.File("dangling").c_str()), 0);
    ASSERT_EQ(symlink("loop", iTree.File("loop").c_str()), 0);
    ASSERT_EQ(symlink(".", iTree.File("self").c_str()), 0);
    CZuFileDialogModel model(true);
    model.Start(Z(iTree.Path()));
    ASSERT_GE(RowOf(model, "dangling"), 0);
    EXPECT_EQ(model.RowType(RowOf(model, "dangling")), CZuFileDialogModel::KRowFile);
    EXPECT_EQ(model.RowType(RowOf(model, "loop")), CZuFileDialogModel::KRowFile);
    EXPECT_EQ(model.Activate(RowOf(model, "loop")), CZuFileDialogModel::EActNothing);
    EXPECT_EQ(model.Activate(RowOf(model, "dangling")), CZuFileDialogModel::EActNothing);
    EXPECT_EQ(Text(model.GetPath()), iTree.Path());
    // A link to a folder is a folder; one to its own folder goes one step deeper each time it is entered.
    ASSERT_EQ(model.Activate(RowOf(model, "to-books")), CZuFileDialogModel::EActEntered);
    EXPECT_EQ(Text(model.GetPath()), iTree.Path() + "to-books/");
    model.Activate(0);
    ASSERT_EQ(model.Activate(RowOf(model, "self")), CZuFileDialogModel::EActEntered);
    EXPECT_EQ(Text(model.GetPath()), iTree.Path() + "self/");
    // A folder dialog lists neither broken link.
    CZuFileDialogModel folders(false);
    folders.Start(Z(iTree.Path()));
    EXPECT_LT(RowOf(folders, "dangling"), 0);
    EXPECT_LT(RowOf(folders, "loop"), 0);
    EXPECT_GE(RowOf(folders, "to-books"), 0);
}

TEST_F(FileDialogTest, AFolderThatVanishedIsNotEnteredAndTheLearnerIsTold)
{
    CZuFileDialogModel model(true);
    model.Start(Z(iTree.Path()));
    const int books = RowOf(model, "books");
    ASSERT_EQ(rmdir(iTree.File("books").c_str()), 0);
    EXPECT_EQ(model.Activate(books), CZuFileDialogModel::EActFailed);
    EXPECT_EQ(Text(model.GetPath()), iTree.Path());
    EXPECT_EQ(model.LastError(), CZuDir::EDirNotFound);
    EXPECT_EQ(Text(model.ErrorText()), "无法打开“books”：文件夹不存在或已被删除");
    EXPECT_EQ(Text(model.RowName(books)), "books");
    // The folder shown vanishes too: going up passes over it.
    ASSERT_EQ(model.Activate(RowOf(model, "zoo")), CZuFileDialogModel::EActEntered);
    ASSERT_EQ(std::system(("rm -rf '" + iTree.File("zoo") + "'").c_str()), 0);
    EXPECT_EQ(model.Fill(), CZuDir::EDirNotFound);
    EXPECT_EQ(model.Activate(0), CZuFileDialogModel::EActWentUp);
    EXPECT_EQ(Text(model.GetPath()), iTree.Path());
    EXPECT_TRUE(model.ErrorText().IsEmpty());
}

TEST_F(FileDialogTest, AFolderWithoutPermissionIsNotEntered)
{
    ASSERT_EQ(mkdir(iTree.File("locked").c_str(), 0), 0);
    ASSERT_EQ(chmod(iTree.Path().c_str(), 0755), 0);
    const std::string tree = iTree.Path();
    auto check = [&tree]
    {
        CZuFileDialogModel model(true);
        model.Start(CZuString(tree.c_str()));
        int row = -1;
        for (int i = 0; i < model.GetRowCount(); ++i)
            if (std::string(model.RowName(i).PtrZ() ? model.RowName(i).PtrZ() : "") == "locked")
                row = i;
        return row > 0 && model.Activate(row) == CZuFileDialogModel::EActFailed &&
               model.LastError() == CZuDir::EDirNoAccess && std::string(model.GetPath().PtrZ()) == tree &&
               std::string(model.ErrorText().PtrZ()).find("没有权限") != std::string::npos;
    };
    ExpectHoldsUnprivileged(check);
    chmod(iTree.File("locked").c_str(), 0755);
}

TEST_F(FileDialogTest, SelectWithoutAValidRowGivesFalse)
{
    CZuFileDialogModel model(true);
    CZuString chosen("kept");
    EXPECT_FALSE(model.Select(-1, chosen));
    EXPECT_FALSE(model.Select(model.GetRowCount(), chosen));
    EXPECT_EQ(Text(chosen), "kept");
    model.Start(Z(iTree.File("empty")));
    ASSERT_TRUE(model.Select(0, chosen));
    EXPECT_EQ(Text(chosen), iTree.File("empty") + "/");
    EXPECT_EQ(model.Activate(5), CZuFileDialogModel::EActNothing);
}

TEST_F(FileDialogTest, TheDialogEntersFoldersAndChoosesAFile)
{
    Show(CZuFileDialog::EFilesAndFolders, iTree.Path());
    EXPECT_EQ(Text(iDialog->GetPathEdit()->GetText()), iTree.Path());
    EXPECT_EQ(List()->GetRowCount(), 6);
    EXPECT_EQ(List()->GetSelectedRowIndex(), 0);
    EXPECT_EQ(List()->GetRowData(1), CZuFileDialogModel::KRowDir);
    EXPECT_EQ(List()->GetRowData(4), CZuFileDialogModel::KRowFile);
    // Down to "zoo/" and Enter: inside, the first entry selected.
    for (int i = 0; i < 3; ++i)
        iScreen.Press(EZuKeyDown);
    iScreen.Press(EZuKeyEnter);
    EXPECT_EQ(Text(iDialog->GetPathEdit()->GetText()), iTree.Path() + "zoo/");
    EXPECT_EQ(List()->GetSelectedRowIndex(), 1);
    // Up again: "zoo/" is selected there.
    List()->SetSelectedRow(0);
    iScreen.Press(EZuKeyEnter);
    EXPECT_EQ(Text(iDialog->GetPathEdit()->GetText()), iTree.Path());
    EXPECT_EQ(List()->GetSelectedRowIndex(), RowOf(iDialog->Model(), "zoo"));
    // A file: Enter does nothing, the left soft key chooses it.
    SelectRow("notes.txt");
    iScreen.Press(EZuKeyEnter);
    EXPECT_EQ(Text(iDialog->GetPathEdit()->GetText()), iTree.Path());
    EXPECT_EQ(Verdict(), -1);
    iScreen.Press(EZuKeyF1);
    EXPECT_EQ(Verdict(), 1);
    EXPECT_EQ(Text(iResult), iTree.Path() + "notes.txt");
}

TEST_F(FileDialogTest, TheSoftKeysSayChooseAndCancelAndCancelKeepsTheResult)
{
    Show(CZuFileDialog::EFolders, "");
    CZuCbaData* keys = iDialog->GetCbaData();
    ASSERT_NE(keys, nullptr);
    EXPECT_EQ(keys->GetLeftItem()->GetCommandID(), CZuDialog::KCmdOk);
    EXPECT_EQ(Text(keys->GetLeftItem()->GetItemName()), "选择");
    EXPECT_EQ(keys->GetRightItem()->GetCommandID(), CZuDialog::KCmdCancel);
    EXPECT_EQ(Text(keys->GetRightItem()->GetItemName()), "取消");
    EXPECT_EQ(Text(iDialog->GetTitleLabel()->GetText()), "选择文件夹");
    iScreen.Press(EZuKeyF2);
    EXPECT_EQ(Verdict(), 0);
    EXPECT_EQ(Text(iResult), "untouched");
}

TEST_F(FileDialogTest, ChoosingWithNoRowSelectedKeepsTheResult)
{
    Show(CZuFileDialog::EFolders, iTree.Path());
    List()->SetSelectedRow(-1);
    iScreen.Press(EZuKeyF1);
    EXPECT_EQ(Verdict(), 0);
    EXPECT_EQ(Text(iResult), "untouched");
}

TEST_F(FileDialogTest, AFolderThatCannotBeEnteredIsNamedUnderTheList)
{
    Show(CZuFileDialog::EFolders, iTree.Path());
    SelectRow("books");
    ASSERT_EQ(rmdir(iTree.File("books").c_str()), 0);
    iScreen.Press(EZuKeyEnter);
    EXPECT_EQ(Text(iDialog->GetPathEdit()->GetText()), iTree.Path());
    EXPECT_NE(Text(iDialog->GetStatusLabel()->GetText()).find("books"), std::string::npos);
    EXPECT_EQ(Verdict(), -1);
    // The next folder entered clears the line.
    SelectRow("zoo");
    iScreen.Press(EZuKeyEnter);
    EXPECT_EQ(Text(iDialog->GetStatusLabel()->GetText()), "");
    iScreen.Draw();
}

TEST_F(FileDialogTest, AClickSelectsARowAndASecondClickEntersTheFolder)
{
    Show(CZuFileDialog::EFilesAndFolders, iTree.Path());
    ClickRow("zoo");
    EXPECT_EQ(List()->GetSelectedRowIndex(), RowOf(iDialog->Model(), "zoo"));
    EXPECT_EQ(Path(), iTree.Path());
    ClickRow("zoo");
    EXPECT_EQ(Path(), iTree.Path() + "zoo/");
    EXPECT_EQ(Rows(iDialog->Model()), (std::vector<std::string>{"<-- 上一级", "inside.txt"}));
    EXPECT_EQ(List()->GetSelectedRowIndex(), 1);
    // A file clicked twice is only selected: nothing is entered and nothing chosen.
    ClickRow("inside.txt");
    ClickRow("inside.txt");
    EXPECT_EQ(Path(), iTree.Path() + "zoo/");
    EXPECT_EQ(Verdict(), -1);
    // "<--" clicked twice goes up, where the folder just left is selected.
    ClickRow(0);
    EXPECT_EQ(Path(), iTree.Path() + "zoo/");
    ClickRow(0);
    EXPECT_EQ(Path(), iTree.Path());
    EXPECT_EQ(List()->GetSelectedRowIndex(), RowOf(iDialog->Model(), "zoo"));
    EXPECT_EQ(Verdict(), -1);
    EXPECT_EQ(Text(iResult), "untouched");
}

TEST_F(FileDialogTest, TheLeftSoftKeyButtonChoosesTheRowClicked)
{
    Show(CZuFileDialog::EFolders, iTree.Path());
    ClickRow("empty");
    ClickRow("empty");
    ASSERT_EQ(Path(), iTree.Path() + "empty/");
    // In an empty folder "<--" is the only row, selected already: one click goes up.
    ClickRow(0);
    ASSERT_EQ(Path(), iTree.Path());
    EXPECT_EQ(List()->GetSelectedRowIndex(), RowOf(iDialog->Model(), "empty"));
    // One click on "books/" selects it; the left soft key chooses it without entering it.
    ClickRow("books");
    EXPECT_EQ(Path(), iTree.Path());
    ClickSoftKey(0);
    EXPECT_EQ(Verdict(), 1);
    EXPECT_EQ(Text(iResult), iTree.Path() + "books/");
    EXPECT_EQ(iLog.Count(CZuDialog::KMsgDialogClosed), 1);
    // Closed, the dialog takes no more clicks.
    ClickSoftKey(0);
    ClickRow("zoo");
    EXPECT_EQ(iLog.Count(CZuDialog::KMsgDialogClosed), 1);
    EXPECT_EQ(Text(iResult), iTree.Path() + "books/");
}

TEST_F(FileDialogTest, AFileClickedAndChosenByPointerGivesItsPath)
{
    Show(CZuFileDialog::EFilesAndFolders, iTree.Path());
    ClickRow("zoo");
    ClickRow("zoo");
    ClickRow("inside.txt");
    ClickSoftKey(0);
    EXPECT_EQ(Verdict(), 1);
    EXPECT_EQ(Text(iResult), iTree.Path() + "zoo/inside.txt");
}

TEST_F(FileDialogTest, TheRightSoftKeyButtonCancelsWhateverIsSelected)
{
    Show(CZuFileDialog::EFilesAndFolders, iTree.Path());
    ClickRow("zoo");
    ClickRow("zoo");
    ClickRow(0);
    ASSERT_EQ(Path(), iTree.Path() + "zoo/");
    ASSERT_EQ(List()->GetSelectedRowIndex(), 0);
    ClickSoftKey(1);
    EXPECT_EQ(Verdict(), 0);
    EXPECT_EQ(iLog.Count(CZuDialog::KMsgDialogClosed), 1);
    EXPECT_EQ(Text(iResult), "untouched");
}

TEST_F(FileDialogTest, ARowClickedAfterTheWheelScrolledIsTheOneUnderThePointer)
{
    ASSERT_EQ(mkdir(iTree.File("many").c_str(), 0755), 0);
    for (int i = 0; i < 40; ++i)
        ASSERT_EQ(mkdir(iTree.File("many/f" + std::to_string(100 + i)).c_str(), 0755), 0);
    Show(CZuFileDialog::EFolders, iTree.File("many/"));
    iScreen.Draw();
    const CZuRect rows = iDialog->GetScrollList()->Rect();
    iScreen.Ui().HandlePointerEventL(
        PointerEvent(EZuPointerWheel, (rows.iTl.iX + rows.iBr.iX) / 2, (rows.iTl.iY + rows.iBr.iY) / 2, -2));
    iScreen.Pump();
    const int top = List()->GetTopRowIndex();
    ASSERT_GT(top, 0);
    // The third row shown: a folder well below the first page.
    const int row = top + 2;
    const std::string name = Text(iDialog->Model().RowName(row));
    ASSERT_EQ(name.substr(0, 1), "f");
    ASSERT_EQ(mkdir(iTree.File("many/" + name + "/deep").c_str(), 0755), 0);
    ClickRow(row);
    EXPECT_EQ(List()->GetSelectedRowIndex(), row);
    EXPECT_EQ(List()->GetTopRowIndex(), top);
    ClickRow(row);
    EXPECT_EQ(Path(), iTree.File("many/" + name + "/"));
    EXPECT_EQ(Rows(iDialog->Model()), (std::vector<std::string>{"<-- 上一级", "deep/"}));
    EXPECT_EQ(List()->GetTopRowIndex(), 0);
    ClickSoftKey(0);
    EXPECT_EQ(Verdict(), 1);
    EXPECT_EQ(Text(iResult), iTree.File("many/" + name + "/deep/"));
}

TEST_F(FileDialogTest, AStartFolderThatCannotBeListedStartsAtTheDrives)
{
    Show(CZuFileDialog::EFolders, iTree.File("missing"));
    EXPECT_TRUE(iDialog->Model().Dir().IsTopLevel());
    EXPECT_EQ(List()->GetRowCount(), 2);
    EXPECT_NE(Text(iDialog->GetStatusLabel()->GetText()).find("missing"), std::string::npos);
}
} // namespace
