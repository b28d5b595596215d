#include "data/VueDonnees.h"

#include "data/ErreurBase.h"
#include "data/MoteurBase.h"
#include "data/TraductionSource.h"

void VueDonnees::DefinirFichier(const QString &fichier) {
  m_fichier = fichier;
}

void VueDonnees::DefinirSource(const QString &source, const QVariantList &parametres) {
  m_source = source;
  m_parametres = parametres;
}

MoteurBase &VueDonnees::Moteur() const {
  MoteurBase *moteur = MoteurBase::Ouverte(m_fichier);
  if (!moteur)
    throw ErreurBase(ErreurBase::Action::Lire, m_fichier,
                     QStringLiteral("la base n'a pas été ouverte au démarrage"));
  return *moteur;
}

void VueDonnees::Refuser(const QString &cause) const {
  throw ErreurBase(ErreurBase::Action::Lire, m_fichier, cause);
}

void VueDonnees::Rafraichir() {
  MoteurBase &moteur = Moteur();
  FermerBase();

  // A view refreshed again on the same source reuses its translation.
  if (m_source != m_sourceTraduite || m_fichier != m_fichierTraduit) {
    SourceTraduite traduction = SourceTraduite::Traduire(
        m_source, [&moteur](const QString &table) { return moteur.AdressableParRowid(table); });
    m_sqlTraduit = std::move(traduction.Sql);
    m_tableTraduite = std::move(traduction.Table);
    m_sourceTraduite = m_source;
    m_fichierTraduit = m_fichier;
  }
  m_table = m_tableTraduite;
  const QString &sql = m_sqlTraduit;

  ResultatRequete resultat = moteur.Lire(sql, m_parametres);
  m_colonnes = resultat.colonnes;
  m_lignes = std::move(resultat.lignes);
  if (!m_table.isEmpty()) {
    m_colonnes.removeLast();
    for (QVariantList &ligne : m_lignes)
      m_rowids << ligne.takeLast().toLongLong();
  }
}

bool VueDonnees::FinFichier() const {
  return m_position >= m_lignes.size();
}

bool VueDonnees::DebutFichier() const {
  return m_lignes.isEmpty();
}

void VueDonnees::PremierEnregistrement() {
  m_position = 0;
}

void VueDonnees::DernierEnregistrement() {
  m_position = qMax<qsizetype>(0, m_lignes.size() - 1);
}

void VueDonnees::EnregistrementSuivant() {
  if (m_position < m_lignes.size())
    ++m_position;
}

int VueDonnees::IndexChamp(const QString &nom) const {
  for (int i = 0; i < m_colonnes.size(); ++i)
    if (m_colonnes.at(i).compare(nom, Qt::CaseInsensitive) == 0)
      return i;
  Refuser(QStringLiteral("le champ %1 n'existe pas").arg(nom));
}

QVariant VueDonnees::Champ(const QString &nom) const {
  const int index = IndexChamp(nom);
  if (m_edition != Edition::Aucune)
    return m_tampon.at(index);
  if (FinFichier())
    Refuser(QStringLiteral("aucun enregistrement n'est sélectionné"));
  return m_lignes.at(m_position).at(index);
}

QDate VueDonnees::ChampDate(const QString &nom) const {
  const QVariant valeur = Champ(nom);
  if (valeur.typeId() == QMetaType::QDate)
    return valeur.toDate();
  return QDate::fromString(valeur.toString(), Qt::ISODate);
}

void VueDonnees::Ajouter() {
  if (m_table.isEmpty())
    Refuser(QStringLiteral("cette source ne peut pas recevoir d'enregistrement"));
  m_edition = Edition::Ajout;
  m_tampon = QVariantList(m_colonnes.size());
  m_modifies = QList<bool>(m_colonnes.size(), false);
}

void VueDonnees::Modifier() {
  if (m_table.isEmpty())
    Refuser(QStringLiteral("cette source ne peut pas être modifiée"));
  if (FinFichier())
    Refuser(QStringLiteral("aucun enregistrement n'est sélectionné"));
  m_edition = Edition::Modification;
  m_tampon = m_lignes.at(m_position);
  m_modifies = QList<bool>(m_colonnes.size(), false);
}

void VueDonnees::DefinirChamp(const QString &nom, const QVariant &valeur) {
  const int index = IndexChamp(nom);
  if (m_edition == Edition::Aucune)
    Refuser(QStringLiteral("aucun ajout ni aucune modification n'est en cours"));
  m_tampon[index] = valeur.typeId() == QMetaType::QDate
                        ? QVariant(valeur.toDate().toString(Qt::ISODate))
                        : valeur;
  m_modifies[index] = true;
}

void VueDonnees::MettreAJour() {
  if (m_edition == Edition::Aucune)
    Refuser(QStringLiteral("aucun ajout ni aucune modification n'est en cours"));
  QStringList noms, marques;
  QVariantList valeurs;
  for (int i = 0; i < m_colonnes.size(); ++i) {
    if (!m_modifies.at(i))
      continue;
    noms << m_colonnes.at(i);
    marques << QStringLiteral("\"%1\" = ?").arg(m_colonnes.at(i));
    valeurs << m_tampon.at(i);
  }
  const Edition edition = std::exchange(m_edition, Edition::Aucune);
  if (edition == Edition::Ajout) {
    const QString sql = noms.isEmpty()
                            ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(m_table)
                            : QStringLiteral("INSERT INTO %1 (\"%2\") VALUES (%3)")
                                  .arg(m_table, noms.join(QStringLiteral("\", \"")),
                                       QStringList(noms.size(), QStringLiteral("?")).join(u", "));
    Moteur().Ecrire(sql, valeurs);
    return;
  }
  if (!noms.isEmpty()) {
    valeurs << m_rowids.at(m_position);
    Moteur().Ecrire(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                        .arg(m_table, marques.join(QStringLiteral(", "))),
                    valeurs);
  }
  m_lignes[m_position] = m_tampon;
}

void VueDonnees::Executer(const QString &sql) {
  Moteur().Ecrire(TraduireInstruction(sql));
}

void VueDonnees::FermerBase() {
  m_table.clear();
  m_colonnes.clear();
  m_lignes.clear();
  m_rowids.clear();
  m_position = 0;
  m_edition = Edition::Aucune;
  m_tampon.clear();
  m_modifies.clear();
}
