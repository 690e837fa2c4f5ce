// Template 148: "Configuration connexion internet", the web proxy settings.
#include "resources/Templates.h"

using ui::ControlKind;
namespace Style = ui::Style;

const ui::DialogTemplate kDialogProxy{
    IDD_QUILLORY_PROXY,
    "Configuration connexion internet",
    206, 150,
    Style::SysMenu,
    nullptr,
    {
        {IDC_CHECK_PROXY, ControlKind::CheckBox, "Activer Proxy", 10, 8, 120, 10, Style::AutoCheck},
        {ui::IDC_STATIC, ControlKind::Static, "Proxy", 20, 24, 50, 8},
        {IDC_EDIT_PROXYHOST, ControlKind::Edit, "", 75, 22, 120, 12},
        {ui::IDC_STATIC, ControlKind::Static, "Port", 20, 40, 50, 8},
        {IDC_EDIT_PROXYPORT, ControlKind::Edit, "", 75, 38, 45, 12},
        {IDC_CHECK_AUTH, ControlKind::CheckBox, "Desactiver Anonyme", 10, 60, 120, 10, Style::AutoCheck},
        {ui::IDC_STATIC, ControlKind::Static, "Login", 20, 76, 50, 8},
        {IDC_EDIT_PROXYLOGIN, ControlKind::Edit, "", 75, 74, 120, 12},
        {ui::IDC_STATIC, ControlKind::Static, "Mot de passe", 20, 92, 52, 8},
        {IDC_EDIT_PROXYPASSWORD, ControlKind::Edit, "", 75, 90, 120, 12},
        {ui::IDOK, ControlKind::PushButton, "OK", 90, 126, 50, 16, Style::DefaultButton},
        {ui::IDCANCEL, ControlKind::PushButton, "Cancel", 146, 126, 50, 16},
    }};
