#include "ui/Unit3.h"

#include <algorithm>

#include "ui/widgets/AutoSizeLabel.h"
#include "ui/widgets/CentredOver.h"
#include "ui/widgets/ChoiceEntry.h"
#include "ui/widgets/DialogFlags.h"
#include "ui/skin/Fonts.h"
#include "ui/Selections.h"

std::vector<ChoiceEntry*> ChoiceLabels;
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
        const QPoint at(16, EntryTop + EntryStep * static_cast<int>(i));
        auto* entry = new ChoiceEntry(QString::fromStdString(list[i]), this, at);
        entry->setObjectName(QString("Choice%1").arg(i));
        connect(entry, &ChoiceEntry::clicked, this, [this, entry] { ChoiceClick(entry); });
        entry->show();
        ChoiceLabels[i] = entry;
    }
    if (!ChoiceLabels.empty())
        ChoiceLabels.front()->setFocus();
    // Grows to show every entry; three fit the usual height.
    const int needed = EntryTop + EntryStep * static_cast<int>(list.size()) + 6;
    setFixedHeight(std::max(BaseHeight, needed));
    // Centred on the main window for its height of this fill.
    if (const QWidget* owner = parentWidget())
        setGeometry(CentredOver(owner->window(), this));
}

void TForm3::ChoiceClick(ChoiceEntry* sender)
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
    for (ChoiceEntry* entry : ChoiceLabels)
        if (entry)
            entry->deleteLater();
    ChoiceLabels.clear();
}
