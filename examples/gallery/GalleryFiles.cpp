// The file dialog over a small tree made for the page: the drives, a folder with odd names (a line break,
// bytes that are not UTF-8, brackets and a star) and a link, a folder entered, and a folder that vanished
// before it could be entered.
#include "GalleryScene.h"

#include "ZuUi.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
const char KTree[] = "/tmp/zulex-gallery-files";

void Touch(const std::string& path)
{
    if (FILE* file = std::fopen(path.c_str(), "wb"))
        std::fclose(file);
}

// The tree, made afresh.
void MakeTree()
{
    const std::string root = KTree;
    if (std::system(("rm -rf '" + root + "'").c_str()) != 0)
        return;
    mkdir(root.c_str(), 0755);
    for (const char* folder : {"单词本", "录音", "旧课程", "图片"})
        mkdir((root + "/" + folder).c_str(), 0755);
    for (const char* file : {"单词本/四级词汇.txt", "单词本/六级词汇.txt", "单词本/考研词汇.txt", "笔记.txt",
                             "README.md", "[草稿]*.txt", "第一行\n第二行.txt", "坏的\xFF\xFE名字.txt"})
        Touch(root + "/" + file);
    if (symlink("单词本", (root + "/最近").c_str()) != 0)
        std::perror("symlink");
}

CZuFileDialog* ShowDialog(CGalleryScene& scene, CZuString* result, CZuFileDialog::TZuFileDialogType type,
                          const char* start)
{
    CZuFileDialog* dialog = new CZuFileDialog(0, result, type);
    if (start)
        dialog->SetStartFolder(CZuString(start));
    dialog->ConstructL();
    const CZuRect area = scene.ClientRect();
    dialog->SetRect(CZuRect(area.iTl.iX + 20, area.iTl.iY + 12, area.iBr.iX - 20, area.iBr.iY - 12));
    dialog->Relayout();
    dialog->ShowDialog(false, nullptr);
    scene.Pump();
    return dialog;
}

void SelectRow(CZuFileDialog* dialog, const char* name)
{
    CZuFileDialogModel& model = dialog->Model();
    for (int i = 0; i < model.GetRowCount(); ++i)
        if (model.RowName(i) == name)
            dialog->GetScrollList()->GetList()->SetSelectedRow(i);
}
} // namespace

ZU_GALLERY_PAGE(files)
{
    CZuEnv::UiStyle()->SetColorScheme(CZuUiStyle::EUiColorSchemeFirst);
    MakeTree();
    const char* oldHome = std::getenv("HOME");
    const std::string savedHome = oldHome ? oldHome : "";
    setenv("HOME", KTree, 1);
    CZuString result;

    // The drives: the root and the home folder.
    CZuFileDialog* folders = ShowDialog(scene, &result, CZuFileDialog::EFolders, nullptr);
    scene.Shot("drives");
    delete folders;

    // Files and folders of the home folder, folders first; a file selected.
    CZuFileDialog* files = ShowDialog(scene, &result, CZuFileDialog::EFilesAndFolders, KTree);
    SelectRow(files, "笔记.txt");
    scene.Shot("folder");

    // Into the word books.
    SelectRow(files, "单词本");
    scene.PressKey(EZuKeyEnter);
    scene.Shot("inside");

    // Back up; a folder that is removed before it is entered stays closed, and the line below says why.
    files->GetScrollList()->GetList()->SetSelectedRow(0);
    scene.PressKey(EZuKeyEnter);
    SelectRow(files, "旧课程");
    rmdir((std::string(KTree) + "/旧课程").c_str());
    scene.PressKey(EZuKeyEnter);
    scene.Shot("not-entered");
    delete files;

    if (oldHome)
        setenv("HOME", savedHome.c_str(), 1);
    else
        unsetenv("HOME");
    if (std::system((std::string("rm -rf '") + KTree + "'").c_str()) != 0)
        std::fprintf(stderr, "could not remove %s\n", KTree);
}
