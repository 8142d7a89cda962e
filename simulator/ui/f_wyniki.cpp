// The results window, "Efekty pożaru": one read-only text box filling the form.
#include "form_definition.h"

const FormDefinition f_wyniki = {
    .name = L"f_wyniki",
    .caption = L"Efekty pożaru",
    .border = FormBorder::Sizeable,
    .left = 0,
    .top = 0,
    .clientWidth = 282,
    .clientHeight = 241,
    .font = {L"MS Sans Serif", 8, defaultCharset},
    .components =
        {
            {.name = L"memo",
             .kind = ComponentKind::Memo,
             .left = 0,
             .top = 0,
             .width = 282,
             .height = 241,
             .text = L"",
             .tabOrder = 0,
             .fillsClient = true,
             .font = {L"Courier New", 8, centralEuropeanCharset}},
        },
};
