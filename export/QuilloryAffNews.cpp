#include "export/QuilloryAffNews.h"

#include "resources/Templates.h"

CQuilloryAffNews::CQuilloryAffNews(ui::Window* parent, std::optional<std::string> file,
                                   std::optional<XslResult> page)
    : ui::Dialog(kDialogAffNews, parent), m_pszFile(std::move(file)), m_page(std::move(page)) {}

bool CQuilloryAffNews::OnInitDialog() {
  ui::Dialog::OnInitDialog();
  m_browser.SubclassDlgItem(IDC_EXPLORER_NEWS, *this);
  if (m_pszFile && m_page) m_browser.ShowTransformed(*m_pszFile, *m_page);
  else if (m_pszFile) m_browser.Navigate(*m_pszFile);
  return true;
}
