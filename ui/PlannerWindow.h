#pragma once
// The "打书规划" tool window: the player picks up to twelve target skills
// from the three book lists, the prices and an optional minimum of skills,
// and reads the plan of least expected cost (BookPlanner) with its figures,
// beside the same figures for hitting only target books. It follows every
// change of the beast through BeastActions, and "按规划打一本" hits the
// plan's next book through BeastActions like any hit.

#include <string>
#include <vector>

#include "ui/widgets/ToolWindow.h"

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

class PlannerWindow : public ToolWindow {
    Q_OBJECT
public:
    explicit PlannerWindow(QWidget* mainWindow);

    // Opens the window beside `mainWindow`, made on first use, or raises it.
    static PlannerWindow* ShowFor(QWidget* mainWindow);
    // The window, or nullptr before its first showing (and after its parent
    // is gone).
    static PlannerWindow* Existing();

    // The chosen targets, in the order they were checked.
    const std::vector<std::string>& Targets() const { return targets_; }
    // Puts the window over the main window, offset so that both title bars
    // show, and inside the screen.
    void PlaceNear(const QWidget* mainWindow);
    // Solves again for the current settings and beast and rewrites the plan.
    void Refresh();
    // "按规划打一本": the plan's next book on the current beast.
    void HitButtonClick();

    QTabWidget* Lists = nullptr;
    QSpinBox* LowPrice = nullptr;
    QSpinBox* HighPrice = nullptr;
    QSpinBox* FillerPrice = nullptr;
    QSpinBox* MinSkills = nullptr;
    QRadioButton* FromBeast = nullptr;
    QRadioButton* FromCount = nullptr;
    QSpinBox* StartSkills = nullptr;
    QLabel* Chosen = nullptr;
    QPlainTextEdit* Plan = nullptr;
    QPushButton* HitButton = nullptr;

private:
    void createTargetLists();
    void createSettings();
    void createPlan();
    QSpinBox* makeSpin(const QString& name, int low, int high, int value);
    void toggleTarget(const std::string& name, bool checked, QListWidget* list, int row);

    std::vector<std::string> targets_;
    std::string nextBook_;
};
