#pragma once
// "洗到满意为止": the player sets what a roll of the current template must
// have (grade, growth, 资质和, any single aptitude, innate skills, skill
// count), reads the exact chance that one roll meets it and how many rolls
// that takes, and starts the session's search. While it runs the window is
// modal, shows the rolls made and their speed, and "停止" or Esc ends it;
// the kept roll becomes the beast through the session.

#include <QDialog>

#include <array>
#include <string>
#include <vector>

#include "engine/pet.h"
#include "ui/model/RollTarget.h"

class BeastSession;
class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class StatusLine;

class RollWindow : public QDialog {
    Q_OBJECT
public:
    // `session` must outlive the window.
    RollWindow(BeastSession& session, QWidget* mainWindow);

    // Sets the conditions up for `templateName` (kept when it is the same
    // template as last time) and shows the window modally.
    void Open(const std::string& templateName);
    // The conditions as the controls stand.
    RollTarget Target() const;

    QComboBox* MinLevel = nullptr;
    QComboBox* MinGrowth = nullptr;
    QSpinBox* MinBattleSum = nullptr;
    std::array<QSpinBox*, 7> MinAptitudes{};
    std::vector<QCheckBox*> Skills;
    QSpinBox* MinSkillCount = nullptr;
    QSpinBox* Cap = nullptr;
    QLabel* Odds = nullptr;
    QPushButton* StartButton = nullptr;
    QPushButton* StopButton = nullptr;
    QProgressBar* Progress = nullptr;
    StatusLine* Result = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createConditions();
    void createRun();
    void fillForTemplate();
    void refreshOdds();
    void start();
    void showProgress(quint64 rolls, double perSecond);
    void finished(quint64 rolls, const QString& line);
    void setRunning(bool running);

    BeastSession& session_;
    std::string template_;
    TPet templateBeast_{{}};
    QWidget* skillBox_ = nullptr;
    QLabel* fixedSkills_ = nullptr;
};
