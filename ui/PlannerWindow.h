#pragma once
// The "打书规划" tool window: the player ticks up to twelve target skills
// from the three book lists, sets the prices and a least skill count, and
// reads the plan of least expected cost (BookPlanner) as a few steps in
// plain words, with rounded figures beside those of hitting target books
// only and a chart of both costs' spread; "详细" shows the plan's full
// table and the exact figures. It follows every change of the beast through
// the session, and "按规划打下一本" hits the plan's next book through the
// session like any hit.
//
// Solving a plan takes a few milliseconds and happens at once; the cost's
// median and 90th percentile and the chart are worked out off the window's
// thread, for the newest choices only, and fill in when ready.

#include <QString>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "ui/model/BookPlanner.h"
#include "ui/model/PlanText.h"
#include "ui/widgets/ToolWindow.h"

class BeastSession;
struct BeastChange;
class LatestOnly;
class PlanCostChart;
class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class TargetLists;
class PlanPlayBox;
class PlanPlayer;

class PlannerWindow : public ToolWindow {
    Q_OBJECT
public:
    // A tool window of `mainWindow`; `session` must outlive it.
    PlannerWindow(BeastSession& session, QWidget* mainWindow);
    ~PlannerWindow() override;

    // The chosen targets, in the order they were ticked.
    const std::vector<std::string>& Targets() const { return targets_; }
    // Beside the main window, never over its beast panel: to its right or
    // left where the screen has room, else the main window moves to the
    // screen's left edge and the planner takes the rest of the width. The
    // height fits the screen.
    void PlaceBeside(QWidget* mainWindow);
    // Solves again for the current settings and beast and rewrites the plan.
    void Refresh();
    // Follows a change of the beast; a hidden window only notes it and
    // solves again when shown.
    void ShowChange(const BeastChange& change);
    // "按规划打下一本": the plan's next book on the current beast.
    void HitButtonClick();
    // The box of the `row`th book of list `list` (0 .. 2), in list order.
    QCheckBox* TargetBox(int list, int row) const;
    // Whether the figures of the newest choices are all in.
    bool FiguresReady() const { return ready_; }

    TargetLists* Lists = nullptr;
    QSpinBox* LowPrice = nullptr;
    QSpinBox* HighPrice = nullptr;
    QSpinBox* FillerPrice = nullptr;
    QSpinBox* MinSkills = nullptr;
    QRadioButton* FromBeast = nullptr;
    QRadioButton* FromCount = nullptr;
    QSpinBox* StartSkills = nullptr;
    QLabel* Chosen = nullptr;
    QPlainTextEdit* Plan = nullptr;
    QPushButton* DetailsToggle = nullptr;
    QPlainTextEdit* Details = nullptr;
    QPushButton* HitButton = nullptr;
    QLabel* HitHint = nullptr;
    PlanCostChart* CostChart = nullptr;
    PlanPlayBox* Play = nullptr;

signals:
    // The median, percentile and chart of the newest choices are shown.
    void FiguresShown();

private:
    void createTargetLists(QLayout* column);
    void createSettings(QLayout* column);
    void createPlan(QLayout* column);
    QSpinBox* makeSpin(const QString& name, int low, int high, int value);
    void toggleTarget(QCheckBox* box, bool checked);
    void showChosen(const QString& notice = {});
    void showReport(const PlanCosts* costs);
    void startCosts();
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
    PlanReport report_;
    LatestOnly* costs_ = nullptr;
    bool ready_ = false;
    QString saved_;
    bool restoring_ = false;
};
