#include "Unit3.h"

#include <QLabel>
#include <QMouseEvent>

#include <algorithm>

#include "DialogFlags.h"
#include "AutoSizeLabel.h"
#include "Fonts.h"
#include "Unit1.h"

std::vector<QLabel*> ChoiceLabels;
TForm3* Form3 = nullptr;

namespace {
constexpr int BaseHeight = 140;
constexpr int EntryTop = 56;
constexpr int EntryStep = 26;
}  // namespace

TForm3::TForm3(QWidget* parent) : QDialog(parent)
{
    setObjectName("Form3");
    setWindowTitle("认证确认");
    setWindowFlags(FixedDialogFlags());
    setModal(true);
    const QFont font = SongTiFont(13);
    setFont(font);
    setFixedSize(280, BaseHeight);

    auto* prompt = new AutoSizeLabel("此召唤兽具备以下可认证技能，请选择：", this, QPoint(16, 24));
    prompt->setObjectName("Label1");
    QFont promptFont = font;
    promptFont.setPixelSize(14);
    prompt->setFont(promptFont);
}

TForm3::~TForm3()
{
    FormClose();
}

void TForm3::ShowChoices(const std::vector<std::string>& list)
{
    FormClose();  // a fill never keeps the entries of an earlier one
    ChoiceLabels.resize(list.size());
    for (std::size_t i = 0; i < list.size(); ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QString("Choice%1").arg(i));
        label->setTextFormat(Qt::PlainText);
        label->setText(QString::fromStdString(list[i]));
        label->setAccessibleName(label->text());
        label->setStyleSheet("color: #ff0000;");
        label->setCursor(Qt::PointingHandCursor);
        label->move(16, EntryTop + EntryStep * static_cast<int>(i));
        label->adjustSize();
        label->installEventFilter(this);
        label->show();
        ChoiceLabels[i] = label;
    }
    // Grows to show every entry; three fit the usual height.
    const int needed = EntryTop + EntryStep * static_cast<int>(list.size()) + 6;
    setFixedHeight(std::max(BaseHeight, needed));
    if (parentWidget())
        move(parentWidget()->window()->geometry().center() - rect().center());
}

bool TForm3::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        auto* label = qobject_cast<QLabel*>(watched);
        if (label && mouse->button() == Qt::LeftButton && label->rect().contains(mouse->position().toPoint())) {
            ChoiceClick(label);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TForm3::ChoiceClick(QLabel* sender)
{
    CertifyChoice = sender->text().toStdString();
    close();
}

void TForm3::done(int result)
{
    // Every way out (entry, close box, Escape) ends here; the entries are
    // released after the click handler has run.
    QDialog::done(result);
    FormClose();
}

void TForm3::FormClose()
{
    for (QLabel* label : ChoiceLabels)
        if (label)
            label->deleteLater();
    ChoiceLabels.clear();
}
