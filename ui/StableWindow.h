#pragma once
// "历史与收藏": every beast seen (this run and earlier ones) and the kept
// ones, with what can be done to them: bring one back (取回), keep the
// current beast (收藏), pin one to compare with the current beast, copy and
// paste share codes, continue with last run's beast, rename and delete kept
// ones. Every change goes through the session; the lists and the comparison
// follow the session's changes.

#include <QString>

#include <optional>

#include "engine/pet.h"
#include "ui/widgets/ToolWindow.h"

class BeastFilterProxy;
class BeastListModel;
class BeastSession;
class ComparePane;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableView;
struct BeastChange;

class StableWindow : public ToolWindow {
    Q_OBJECT
public:
    // `session` must outlive the window.
    StableWindow(BeastSession& session, QWidget* mainWindow);

    // Reads the lists again when they changed while the window was hidden.
    void Refresh();
    void ShowChange(const BeastChange& change);
    // Beside the main window, never over its beast panel (BesideMain).
    void PlaceOnScreen();

    // The actions, also reachable from the main window.
    void KeepCurrent();      // "收藏当前…": asks a name and a note
    void CopyCode();         // "复制代码": the current beast's code to the clipboard
    void PasteCode();        // "粘贴代码": the clipboard's code becomes the beast
    void ContinueLast();     // "继续上次"
    void RecallSelected();   // "取回"
    void PinSelected();      // "钉住对比"
    void RenameSelected();   // "改名…"
    void DeleteSelected();   // "删除"

    QTabWidget* Tabs = nullptr;
    QTableView* HistoryView = nullptr;
    QTableView* StableView = nullptr;
    QComboBox* TemplateFilter = nullptr;
    QComboBox* GradeFilter = nullptr;
    QLineEdit* SkillFilter = nullptr;
    QSpinBox* SkillCountFilter = nullptr;
    ComparePane* Compare = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createLists();
    void createFilters(QWidget* page);
    void createButtons();
    QTableView* makeView(const QString& name, const QString& caption);
    QPushButton* makeButton(const QString& name, const QString& text, const QString& tip, void (StableWindow::*slot)());
    void applyFilter();
    void reload();
    void refreshCompare();
    void updateButtons();
    // The selected row's table and id, or id 0.
    std::pair<int, qint64> selected() const;

    BeastSession& session_;
    BeastListModel* history_ = nullptr;
    BeastListModel* stable_ = nullptr;
    BeastFilterProxy* stableProxy_ = nullptr;
    std::optional<TPet> pinned_;
    QString pinnedCaption_;
    bool stale_ = true;
    bool placed_ = false;
};
