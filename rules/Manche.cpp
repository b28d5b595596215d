#include "rules/Manche.h"

#include <algorithm>

void Manche::NouvellePartie() {
  m_numeroJeu = 0;
  m_lettres.fill(QChar());
  m_numeroLettre = 0;
  m_deplacement = m_marquage = false;
  m_mot.clear();
  m_resultats.fill(Resultat{});
}

void Manche::NouveauJeu() {
  Q_ASSERT(m_numeroJeu < NombreJeux);
  ++m_numeroJeu;
  m_lettres.fill(QChar());
  m_marques.fill(false);
  m_numeroLettre = 0;
  m_deplacement = m_marquage = false;
  m_mot.clear();
  m_tirage.NouveauJeu();
}

QChar Manche::Tirer(Tirage::Sorte sorte, const std::function<double()> &aleatoire) {
  const QChar lettre = m_tirage.Tirer(sorte, aleatoire);
  m_lettres.at(m_numeroLettre) = lettre;
  return lettre;
}

bool Manche::SuiteTirage() {
  if (m_numeroLettre != NombreTuiles - 1) {
    ++m_numeroLettre;
    return false;
  }
  return true;
}

void Manche::OuvrirArrangement() {
  m_deplacement = m_marquage = true;
  ResultatCourant().tirage = Lettres();
}

bool Manche::Deplacer(int origine, int cible) {
  if (!m_deplacement || origine == cible || origine < 0 || cible < 0 || origine >= NombreTuiles ||
      cible >= NombreTuiles)
    return false;
  const QChar lettre = m_lettres[origine];
  if (origine < cible)
    std::copy(m_lettres.begin() + origine + 1, m_lettres.begin() + cible + 1,
              m_lettres.begin() + origine);
  else
    std::copy_backward(m_lettres.begin() + cible, m_lettres.begin() + origine,
                       m_lettres.begin() + origine + 1);
  m_lettres[cible] = lettre;
  return true;
}

bool Manche::Basculer(int k) {
  if (!m_marquage || k < 0 || k >= NombreTuiles)
    return false;
  if (!m_marques[k])
    std::fill(m_marques.begin(), m_marques.begin() + k + 1, true);
  else
    std::fill(m_marques.begin() + k, m_marques.end(), false);
  return true;
}

QChar Manche::LettreTapee(QChar caractere) {
  const QChar base = QString(caractere).normalized(QString::NormalizationForm_D).at(0).toUpper();
  return base >= u'A' && base <= u'Z' ? base : QChar();
}

void Manche::MarquerJusqua(int n) {
  for (int i = 0; i < NombreTuiles; ++i)
    m_marques[i] = i < n;
}

bool Manche::Taper(QChar caractere) {
  const QChar lettre = LettreTapee(caractere);
  if (!Saisissable() || lettre.isNull())
    return false;
  const int mot = NombreMarquees();
  const auto libre = std::find(m_lettres.begin() + mot, m_lettres.end(), lettre);
  if (libre == m_lettres.end())
    return false;
  Deplacer(int(libre - m_lettres.begin()), mot);
  MarquerJusqua(mot + 1);
  return true;
}

bool Manche::Effacer() {
  const int mot = NombreMarquees();
  if (!Saisissable() || mot == 0)
    return false;
  MarquerJusqua(mot - 1);
  return true;
}

bool Manche::Vider() {
  if (!Saisissable() || NombreMarquees() == 0)
    return false;
  MarquerJusqua(0);
  return true;
}

void Manche::Arreter() {
  m_mot = MotMarque();
  ResultatCourant().mot = m_mot;
}

void Manche::DefinirPoints(std::optional<qint16> points) {
  ResultatCourant().points = points;
}

void Manche::ClorePoints(qint16 pointsJeu) {
  if (m_numeroJeu > 1 && !ResultatCourant().points)
    DefinirPoints(0);
  else if (m_numeroJeu == 1)
    DefinirPoints(pointsJeu);
}

int Manche::NombreMarquees() const {
  return int(std::count(m_marques.begin(), m_marques.end(), true));
}

QString Manche::Lettres() const {
  QString lettres;
  for (const QChar lettre : m_lettres)
    if (!lettre.isNull())
      lettres += lettre;
  return lettres;
}

QString Manche::MotMarque() const {
  QString mot;
  for (int i = 0; i < NombreTuiles; ++i)
    if (m_marques[i] && !m_lettres[i].isNull())
      mot += m_lettres[i];
  return mot;
}

QString Manche::TirageAReveler() const {
  if (m_numeroJeu == 0)
    return {};
  const Resultat &resultat = ResultatJeu(m_numeroJeu - 1);
  return resultat.plusLongs ? QString() : resultat.tirage;
}

void Manche::Reveler(const QStringList &plusLongs) {
  Resultat &resultat = ResultatCourant();
  if (!resultat.tirage.isEmpty())
    resultat.plusLongs = plusLongs;
}

std::optional<int> Manche::MeilleurTotal() const {
  int total = 0;
  for (const Resultat &resultat : m_resultats) {
    if (resultat.plusLongs)
      total += int(resultat.plusLongs->value(0).size());
    else if (!resultat.tirage.isEmpty())
      return std::nullopt;
  }
  return total;
}
