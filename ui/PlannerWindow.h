#pragma once
// The "打书规划" tool window: the player picks up to twelve target skills
// from the three book lists, the prices and an optional minimum of skills,
// and reads the plan of least expected cost (BookPlanner) with its figures,
// beside the same figures for hitting only target books. It follows every
// change of the beast through the session, and "按规划打下一本" hits the
// plan's next book through the session like any hit.

#include <QString>

#include <memory>
#include <string>
#include <vector>

#include "ui/model/BookPlanner.h"

#include "ui/widgets/ToolWindow.h"

class BeastSession;
struct BeastChange;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class PlanPlayBox;
class PlanPlayer;

class PlannerWindow : public ToolWindow {
    Q_OBJECT
public:
    // A tool window of `mainWindow`; `session` must outlive it.
    PlannerWindow(BeastSession& session, QWidget* mainWindow);

    // The chosen targets, in the order they were checked.
    const std::vector<std::string>& Targets() const { return targets_; }
    // Puts the window over the main window, offset so that both title bars
    // show, and inside the screen.
    void PlaceNear(const QWidget* mainWindow);
    // Solves again for the current settings and beast and rewrites the plan.
    void Refresh();
    // Follows a change of the beast; a hidden window only notes it and
    // solves again when shown.
    void ShowChange(const BeastChange& change);
    // "按规划打下一本": the plan's next book on the current beast.
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
    PlanPlayBox* Play = nullptr;

private:
    void createTargetLists();
    void createSettings();
    void createPlan();
    QSpinBox* makeSpin(const QString& name, int low, int high, int value);
    void toggleTarget(const std::string& name, bool checked, QListWidget* list, int row);
    PlanProblem Settings() const;
    std::shared_ptr<const PlanPlayer> MakePlayer() const;
    void holdChoices(bool running);
    // The targets and prices are kept in the store between runs.
    void restoreSettings();
    void saveSettings();
    QString SettingsText() const;

    BeastSession& session_;
    std::vector<std::string> targets_;
    std::vector<std::string> skills_;  // the beast's, as last told
    std::string certified_;
    std::string nextBook_;
    QString saved_;
    bool restoring_ = false;
};
