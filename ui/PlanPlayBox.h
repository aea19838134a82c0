#pragma once
// The planner's "打到目标" box: plays the plan on the beast book by book
// through the session, visibly (one book every PlayInterval ms, the panel
// and marks following) or at once (one book per turn of the event loop),
// until the targets are held, a number of books is reached or "停止"; a
// ledger tallies books and cost against the plan's expectation. "模拟 1000
// 次" plays the plan on copies of the beast on the session's worker and
// charts the spread of cost beside the exact distribution.

#include <QGroupBox>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/model/PlanPlayer.h"

class BeastSession;
struct BeastChange;
class CostChart;
class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTimer;

class PlanPlayBox : public QGroupBox {
    Q_OBJECT
public:
    static constexpr int PlayInterval = 150;
    static constexpr int SimulatedRuns = 1000;

    // `makePlayer` gives the plan for the planner's current choices (null
    // when there is none); `session` must outlive the box.
    PlanPlayBox(BeastSession& session, std::function<std::shared_ptr<const PlanPlayer>()> makePlayer,
                QWidget* parent = nullptr);

    // Follows the beast (the planner forwards every change).
    void ShowChange(const BeastChange& change);
    bool Playing() const;

    QPushButton* PlayButton = nullptr;
    QPushButton* StopButton = nullptr;
    QCheckBox* Visible = nullptr;
    QSpinBox* Limit = nullptr;
    QLabel* Ledger = nullptr;
    QPushButton* SimulateButton = nullptr;
    QProgressBar* Progress = nullptr;
    CostChart* Chart = nullptr;

signals:
    // Playing or simulating started (true) or ended (false): the planner
    // holds its choices still meanwhile.
    void Running(bool running);

private:
    void createPlay();
    void createSimulation();
    void play();
    void playNext();
    void finishPlay(const QString& why);
    void simulate();
    void simulated(const std::vector<int64_t>& costs);
    void stop();
    void setRunning(bool running);

    BeastSession& session_;
    std::function<std::shared_ptr<const PlanPlayer>()> makePlayer_;
    std::shared_ptr<const PlanPlayer> player_;
    std::optional<PlanLedger> ledger_;
    std::vector<std::string> skills_;
    std::string certified_;
    QTimer* timer_ = nullptr;
    bool simulating_ = false;
};
