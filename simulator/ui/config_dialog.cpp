// One showing of "Ustawienia": run, help, or the end of the program. The dialog
// checks nothing itself; validateAndRun does.
#include "config_dialog.h"

#include "application.h"
#include "form.h"
#include "help_text.h"
#include "validate_and_run.h"

namespace {

// Tf_config: the settings form, built fresh for every showing so that it always
// opens with the initial values.
class Tf_config : public Form {
public:
    Tf_config() : Form(f_config) {}
};

constexpr int resultOk = 1;
constexpr int resultHelp = 5;

} // namespace

bool showConfigDialog(GeneratorDraws& draws)
{
    Tf_config dialog;
    switch (dialog.showModal()) {
    case resultOk:
        validateAndRun(draws, dialog.text(L"ed_xsize"), dialog.text(L"ed_ysize"), dialog.text(L"ed_gestosc"),
                       dialog.text(L"ed_nprob"), dialog.checked(L"ch_silence"), dialog.text(L"ed_fn"));
        return true;
    case resultHelp:
        showNotice(helpText());
        return true;
    default:
        return false;
    }
}
