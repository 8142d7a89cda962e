// The settings dialog, "Ustawienia": the six run parameters as texts.
#include "form_definition.h"

using enum ComponentKind;

const FormDefinition f_config = {
    .name = L"f_config",
    .caption = L"Ustawienia",
    .border = FormBorder::Dialog,
    .left = 0,
    .top = 0,
    .clientWidth = 200,
    .clientHeight = 193,
    .font = {L"Arial", 8, defaultCharset},
    .components =
        {
            {L"lb_xsize", Label, 8, 24, 45, 14, L"rozmiar x"},
            {L"lb_ysize", Label, 8, 48, 45, 14, L"rozmiar y"},
            {L"lb_gestosc", Label, 8, 72, 39, 14, L"gęstość"},
            {L"lb_nprob", Label, 8, 96, 53, 14, L"liczba prób"},
            {L"lb_fn", Label, 8, 120, 58, 14, L"nazwa pliku"},
            {L"ed_xsize", Edit, 72, 16, 121, 22, L"400", 0},
            {L"ed_ysize", Edit, 72, 40, 121, 22, L"400", 1},
            {L"ed_gestosc", Edit, 72, 64, 121, 22, L"45", 2},
            {L"ed_nprob", Edit, 72, 88, 121, 22, L"1", 3},
            {L"ch_silence", CheckBox, 72, 136, 97, 17, L"bez wizualizacji", 4},
            {L"btn_ok", Button, 136, 160, 59, 25, L"OK", 5, 1, true},
            {L"btn_anuluj", Button, 4, 160, 61, 25, L"Anuluj", 6, 2},
            {L"ed_fn", Edit, 72, 112, 121, 22, L"pozar.txt", 7},
            {L"btn_info", Button, 68, 160, 61, 25, L"Pomoc", 8, 5},
        },
};
