#pragma once
// Summary of one series: its name, the highest volume held and whether the
// album holding that volume says the series is finished.

#include <string>

class CSerie {
 public:
  CSerie(std::string nom, int dernierTome, int finie)
      : m_nom(std::move(nom)), m_dernierTome(dernierTome), m_finie(finie) {}

  const std::string& GetNom() const { return m_nom; }
  int GetDernierTome() const { return m_dernierTome; }
  int GetFinie() const { return m_finie; }
  void SetDernierTome(int value) { m_dernierTome = value; }
  void SetFinie(int value) { m_finie = value; }

 private:
  std::string m_nom;
  int m_dernierTome;
  int m_finie;
};
