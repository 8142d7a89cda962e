// The help text, one entry per line; an empty entry is an empty line.
#include "help_text.h"

#include <array>
#include <string_view>

namespace {

constexpr std::array<std::wstring_view, 26> lines = {
    L"Pomoc na temat programu Ignaro wersja 1.1 (3.III.2001)",
    L"",
    L"<rozmiar_x> i <rozmiar_y> określają rozmiary terenu na którym płonie las.Zaleca się stosowanie wartości "
    L"równych conajmniej 100, bowiem przy wartościach mniejszych geometria planszy ma zbyt silny wpływ na "
    L"uzyskiwane wyniki.",
    L"<gęstość> to wartość gęstości lasu.",
    L"<liczba_prób> określa ile razy ma być powtórzony pożar lasu dla zadanej gęstości i rozmiarów. Do "
    L"dokładnego modelowania zaleca się wykonywanie dużej ilości prób, bowiem rozkład drzew ma charakter losowy.",
    L"Dla każdej badanej gęstości, Ignaro, po zakończeniu procesu badania, zapisuje wyniki pożaru do pliku "
    L"określonego przez <nazwa_pliku>. W pliku tym pierwsza kolumna oznacza gęstość, druga czas trwania pożaru, "
    L"a trzecia procent drzewostanu, który spłonął.",
    L"Parametr <bez_wizualizacji> określa, czy ma być wyświetlany widok pożaru lasu. Dla inspiracji, zabawy, "
    L"bądź na użytek pokazu wizualizacja jest przydatna, natomiast zwiększa znacznie czas potrzebny na "
    L"wykonanie jednego pożaru, w związku z czym przy dużej ilości prób okazuje się bardzo przydatną możliwość "
    L"jej wyłączenia.",
    L"<rozmiar_x>, <rozmiar_y>, <liczba_prób> muszą być większe od zera!",
    L"<gęstość> to liczba z przedziału <-100,100>.",
    L"W przypadku podania gęstości ujemnej zostanie uruchomiony proces przebadania wszyskich gęstości od "
    L"(-podanej) do 100",
    L"<bez_wizualizacji> to albo 0 (ozn: nie), albo 1 (ozn: tak).",
    L"<nazwa_pliku> nie może zawierać spacji.",
    L"",
    L"Należy podawać parametry rozważnie, bowiem program daje się wyłączyć dopiero PO wykonaniu przez niego "
    L"WSZYSTKICH zadanych prób (i, ewentualnie, gęstości). W razie potrzeby można go oczywiście zatrzymać przy "
    L"pomocy menu 'Ctrl-Alt-Del', ale po tym w pamięci komputera pozostaną nieuprzątnięte śmieci, co wymagać "
    L"będzie restartu systemu.",
    L"",
    L"Program Ignaro można też uruchamiać z wiersza komend.",
    L"Przykładowe konfiguracje argumentów:",
    L"200 200 75 2 0 out.txt",
    L"czy też: 123 123 -32 1 1 test.dat",
    L"Argumenty wywołania programu: <rozmiar_x> <rozmiar_y> <gęstość> <liczba_prób> <bez_wizualizacji> "
    L"<nazwa_pliku>",
    L"Trzeba podać poprawnie (czyli zgodnie z powyższymi zaleceniami) wszystkie argumenty!",
    L"",
    L"Program Ignaro jest rozwijany przez zespół jego autorów jako narzędzie do badania perkolacji.",
    L"Uwagi i zgłoszenia błędów można przekazywać autorom za pośrednictwem strony projektu.",
    L"Nowsze wersje programu są publikowane na stronie projektu Ignaro,",
    L"razem z opisem zmian w kolejnych wydaniach.",
};

std::wstring joinLines()
{
    std::wstring text;
    for (std::wstring_view line : lines) {
        text += line;
        text += L'\n';
    }
    return text + L'\n';
}

} // namespace

const std::wstring& helpText()
{
    static const std::wstring text = joinLines();
    return text;
}
