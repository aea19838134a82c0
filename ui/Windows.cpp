#include "ui/Windows.h"

#include "ui/About.h"
#include "ui/BeastActions.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/petdiy.h"
#include "ui/petmodify.h"

void CreateWindows()
{
    Actions = new BeastActions;
    Form1 = new TForm1;
    Form2 = new TForm2;
    Form3 = new TForm3(Form1);
    ModifyForm.MakeOnFirstUse([]() -> TModifyForm* { return new TModifyForm(Form1); });
    DIYForm.MakeOnFirstUse([]() -> TDIYForm* { return new TDIYForm(Form1); });
    AboutForm.MakeOnFirstUse([]() -> TAboutForm* { return new TAboutForm(Form1); });
}

void DestroyWindows()
{
    // The panel is a child of Panel5 once shown, and not before: delete it
    // first either way; that releases CurrentBeast.
    delete Form2;
    Form2 = nullptr;
    delete Form1;  // and with it the dialogs
    Form1 = nullptr;
    Form3 = nullptr;
    ModifyForm = nullptr;
    DIYForm = nullptr;
    AboutForm = nullptr;
    delete Actions;
    Actions = nullptr;
}
