// Declarative form definitions: a form is a table of named components with their
// kind, place, text, tab order and, for buttons, the result they end the modal
// form with. The form toolkit builds windows from them; no form has handlers.
// Coordinates are pixels at 96 DPI, relative to the client area.
#pragma once
#include <string_view>
#include <vector>

enum class ComponentKind { Label, Edit, CheckBox, Button, Memo };

struct FontDefinition {
    std::wstring_view face;
    int points;
    int charset; // as in LOGFONT; 0 is ANSI, 1 default, 238 Central European
};

inline constexpr int defaultCharset = 1;
inline constexpr int centralEuropeanCharset = 238;

struct ComponentDefinition {
    std::wstring_view name;
    ComponentKind kind;
    int left, top, width, height;
    std::wstring_view text;
    int tabOrder = -1;          // -1: not a tab stop
    int result = 0;             // buttons: the modal result they end the form with
    bool isDefault = false;     // the button that Enter presses
    bool fillsClient = false;   // follows the client area when the form is resized
    FontDefinition font = {};   // face empty: the form's font
};

enum class FormBorder {
    Dialog,   // fixed size, no title-bar buttons and no system menu
    Sizeable, // resizable frame with system menu and maximise button
};

struct FormDefinition {
    std::wstring_view name;
    std::wstring_view caption;
    FormBorder border;
    int left, top;                 // designed position of the window on the screen
    int clientWidth, clientHeight;
    FontDefinition font;
    std::vector<ComponentDefinition> components;

    const ComponentDefinition* find(std::wstring_view componentName) const
    {
        for (const ComponentDefinition& component : components)
            if (component.name == componentName)
                return &component;
        return nullptr;
    }
};

// A modal result that no button of a form returns: the form was closed another way.
inline constexpr int closedResult = 2;

extern const FormDefinition f_config;
extern const FormDefinition f_wyniki;
