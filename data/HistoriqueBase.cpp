#include "data/HistoriqueBase.h"

#include "data/ErreurBase.h"
#include "data/MoteurBase.h"

#include <QHash>
#include <QSet>

namespace {

using Action = ErreurBase::Action;

const char *const Tables[] = {"FORMAT_HISTORIQUE", "PARTIES", "JEUX"};

// Each round belongs to its game; they are stored together, by game, so
// that the rounds of one game are read in one place.
const char *const Creations[] = {
    "CREATE TABLE FORMAT_HISTORIQUE (VERSION INTEGER NOT NULL)",
    "CREATE TABLE PARTIES (ID INTEGER PRIMARY KEY, DATE TEXT NOT NULL, TEMPS INTEGER NOT NULL, "
    "TOTAL INTEGER NOT NULL, MEILLEUR INTEGER, FINIE INTEGER NOT NULL)",
    "CREATE TABLE JEUX (PARTIE INTEGER NOT NULL REFERENCES PARTIES (ID), NUMERO INTEGER NOT NULL, "
    "TIRAGE TEXT NOT NULL, MOT TEXT NOT NULL, POINTS INTEGER NOT NULL, MEILLEUR INTEGER, "
    "VOYELLES INTEGER NOT NULL, PRIMARY KEY (PARTIE, NUMERO)) WITHOUT ROWID",
};

// The columns this version reads: a table that lacks one is not ours.
const char *const Colonnes[] = {
    "SELECT ID, DATE, TEMPS, TOTAL, MEILLEUR, FINIE FROM PARTIES LIMIT 0",
    "SELECT PARTIE, NUMERO, TIRAGE, MOT, POINTS, MEILLEUR, VOYELLES FROM JEUX LIMIT 0",
};

const QString FormatDate = QStringLiteral("yyyy-MM-ddTHH:mm:ss");

QSet<QString> TablesPresentes(MoteurBase &base) {
  QSet<QString> presentes;
  const auto lignes =
      base.Lire(QStringLiteral("SELECT name FROM sqlite_master WHERE type = "
                               "'table' AND name IN (?, ?, ?)"),
                {QLatin1String(Tables[0]), QLatin1String(Tables[1]), QLatin1String(Tables[2])})
          .lignes;
  for (const QVariantList &ligne : lignes)
    presentes.insert(ligne.value(0).toString());
  return presentes;
}

// A count read from the file, kept when it fits what the game makes.
std::optional<int> Borne(const QVariant &valeur, int maximum) {
  if (valeur.isNull())
    return std::nullopt;
  bool entier = false;
  const qlonglong n = valeur.toLongLong(&entier);
  if (!entier || n < 0 || n > maximum)
    return std::nullopt;
  return int(n);
}

std::optional<int> Borne(qint64 valeur, int maximum) {
  if (valeur < 0 || valeur > maximum)
    return std::nullopt;
  return int(valeur);
}

QVariant OuNul(const std::optional<int> &valeur) {
  return valeur ? QVariant(*valeur) : QVariant();
}

JeuJoue LireJeu(const QVariantList &ligne) {
  JeuJoue jeu;
  jeu.numero = qint16(Borne(ligne.value(0), 10).value_or(0));
  jeu.tirage = ligne.value(1).toString();
  jeu.mot = ligne.value(2).toString();
  jeu.points = qint16(Borne(ligne.value(3), 9).value_or(0));
  if (const std::optional<int> meilleur = Borne(ligne.value(4), 9))
    jeu.meilleur = qint16(*meilleur);
  jeu.voyelles = qint16(Borne(ligne.value(5), 9).value_or(0));
  return jeu;
}

QByteArray ChampCsv(const QString &texte) {
  QByteArray champ = texte.toUtf8();
  if (champ.contains(';') || champ.contains('"') || champ.contains('\n') || champ.contains('\r'))
    champ = '"' + champ.replace("\"", "\"\"") + '"';
  return champ;
}

// One pass over every round, in the order they are stored: those of the
// finished games counted three ways for the charts, and the longest word
// that scored in any game, the earliest of its length.
void Compter(MoteurBase &base, DonneesHistorique &donnees) {
  QHash<qint64, bool> finies;
  finies.reserve(donnees.parties.size());
  for (const ResumePartie &partie : std::as_const(donnees.parties))
    finies.insert(partie.id, partie.finie);
  int plusLong = 0;
  qint64 partiePlusLong = -1, numeroPlusLong = -1;
  base.ParcourirEntiers(
      QStringLiteral("SELECT PARTIE, NUMERO, POINTS, MEILLEUR, VOYELLES FROM JEUX"),
      [&](const qint64 *jeu) {
        const std::optional<int> points = Borne(jeu[2], 9);
        const std::optional<int> meilleur = Borne(jeu[3], 9);
        const std::optional<int> voyelles = Borne(jeu[4], 9);
        if (!points)
          return;
        if (*points > plusLong) {
          plusLong = *points;
          partiePlusLong = jeu[0];
          numeroPlusLong = jeu[1];
        }
        if (!voyelles || !finies.value(jeu[0]))
          return;
        donnees.longueursJoueur[*points] += 1;
        DonneesHistorique::ParVoyelles &parVoyelles = donnees.parVoyelles[*voyelles];
        ++parVoyelles.jeux;
        parVoyelles.points += *points;
        if (meilleur) {
          donnees.longueursPossibles[*meilleur] += 1;
          ++parVoyelles.jeuxConnus;
          parVoyelles.meilleur += *meilleur;
        }
      });
  if (plusLong > 0)
    donnees.plusLongMot =
        base.Lire(QStringLiteral("SELECT MOT FROM JEUX WHERE PARTIE = ? AND NUMERO = ?"),
                  {partiePlusLong, numeroPlusLong})
            .lignes.value(0)
            .value(0)
            .toString();
}

} // namespace

void HistoriqueBase::CreerTables(MoteurBase &base) {
  if (!TablesPresentes(base).isEmpty())
    return;
  for (const char *creation : Creations)
    base.Ecrire(QLatin1String(creation));
  base.Ecrire(QStringLiteral("INSERT INTO FORMAT_HISTORIQUE (VERSION) VALUES (?)"), {Version});
}

MoteurBase &HistoriqueBase::Base() {
  MoteurBase *base = MoteurBase::Ouverte(m_fichier);
  if (!base)
    throw ErreurBase(Action::Ouvrir, m_fichier, QStringLiteral("la base de jeu n'est pas ouverte"));
  return *base;
}

HistoriqueBase::Etat HistoriqueBase::Verifier(MoteurBase &base) {
  const QSet<QString> presentes = TablesPresentes(base);
  if (presentes.isEmpty())
    return Etat::Absent;
  if (presentes.size() != int(std::size(Tables)))
    throw ErreurBase(Action::Lire, m_fichier,
                     QStringLiteral("les tables de l'historique sont incomplètes"));
  const auto versions = base.Lire(QStringLiteral("SELECT VERSION FROM FORMAT_HISTORIQUE")).lignes;
  const std::optional<int> version =
      versions.size() == 1 ? Borne(versions.first().value(0), 1 << 30) : std::nullopt;
  if (version && *version > Version)
    throw ErreurBase(Action::Lire, m_fichier,
                     QStringLiteral("l'historique a été écrit par une version plus récente du "
                                    "jeu (format %1, celui-ci lit le format %2)")
                         .arg(*version)
                         .arg(Version));
  if (version != Version)
    throw ErreurBase(Action::Lire, m_fichier,
                     QStringLiteral("le format de l'historique est illisible"));
  for (const char *colonnes : Colonnes) {
    try {
      base.Lire(QLatin1String(colonnes));
    } catch (const ErreurBase &erreur) {
      throw ErreurBase(Action::Lire, m_fichier,
                       QStringLiteral("les tables de l'historique sont endommagées (%1)")
                           .arg(erreur.CauseSeule()));
    }
  }
  return Etat::Pret;
}

// The game and its rounds in one transaction: the history holds it whole
// or not at all, whatever stops the program meanwhile.
bool HistoriqueBase::Archiver(const PartieJouee &partie) {
  MoteurBase *base = nullptr;
  bool ouverte = false, lisible = false;
  try {
    base = &Base();
    base->Ecrire(QStringLiteral("BEGIN IMMEDIATE"));
    ouverte = true;
    const Etat etat = Verifier(*base);
    lisible = true;
    if (etat == Etat::Absent)
      CreerTables(*base);
    base->Ecrire(QStringLiteral("INSERT INTO PARTIES (DATE, TEMPS, TOTAL, MEILLEUR, FINIE) "
                                "VALUES (?, ?, ?, ?, ?)"),
                 {partie.debut.toString(FormatDate), partie.temps, partie.total,
                  OuNul(partie.meilleur), partie.finie});
    const qlonglong id = base->Lire(QStringLiteral("SELECT last_insert_rowid()"))
                             .lignes.value(0)
                             .value(0)
                             .toLongLong();
    const QString insertion =
        QStringLiteral("INSERT INTO JEUX (PARTIE, NUMERO, TIRAGE, MOT, POINTS, MEILLEUR, VOYELLES) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?)");
    for (const JeuJoue &jeu : partie.jeux)
      base->Ecrire(insertion, {id, jeu.numero, jeu.tirage, jeu.mot, jeu.points,
                               jeu.meilleur ? QVariant(*jeu.meilleur) : QVariant(), jeu.voyelles});
    base->Ecrire(QStringLiteral("COMMIT"));
    m_erreurEcriture.clear();
    return true;
  } catch (const ErreurBase &erreur) {
    m_erreurEcriture = erreur.CauseSeule();
    if (ouverte) {
      try {
        base->Ecrire(QStringLiteral("ROLLBACK"));
      } catch (const ErreurBase &) {
        // The engine already ended the transaction: nothing of it was kept.
      }
    }
    // Tables this program must not write will not change by waiting; the
    // file held by another program, or a full disk, may.
    return ouverte && !lisible;
  }
}

// What `lecture` adds to `resultat` from the history; `resultat` as it is
// for a file without one; nothing, with the cause, when it cannot be read.
template <typename Resultat, typename Lecture>
std::optional<Resultat> HistoriqueBase::Consulter(QString &erreur, Resultat resultat,
                                                  Lecture lecture) {
  try {
    MoteurBase &base = Base();
    if (Verifier(base) == Etat::Pret)
      lecture(base, resultat);
    return resultat;
  } catch (const ErreurBase &e) {
    erreur = e.CauseSeule();
    return std::nullopt;
  }
}

std::optional<DonneesHistorique> HistoriqueBase::Lire(QString &erreur) {
  return Consulter(erreur, DonneesHistorique(), [](MoteurBase &base, DonneesHistorique &donnees) {
    const auto parties = base.Lire(QStringLiteral(
        "SELECT ID, DATE, TEMPS, TOTAL, MEILLEUR, FINIE FROM PARTIES ORDER BY DATE, ID"));
    donnees.parties.reserve(parties.lignes.size());
    for (const QVariantList &ligne : parties.lignes) {
      ResumePartie partie;
      partie.id = ligne.value(0).toLongLong();
      partie.debut = QDateTime::fromString(ligne.value(1).toString(), Qt::ISODate);
      partie.temps = Borne(ligne.value(2), 24 * 3600).value_or(0);
      partie.total = qint16(Borne(ligne.value(3), 90).value_or(0));
      partie.meilleur = Borne(ligne.value(4), 90);
      partie.finie = ligne.value(5).toLongLong() != 0;
      donnees.parties.append(partie);
    }
    Compter(base, donnees);
  });
}

std::optional<QList<JeuJoue>> HistoriqueBase::Jeux(qint64 partie, QString &erreur) {
  return Consulter(erreur, QList<JeuJoue>(), [partie](MoteurBase &base, QList<JeuJoue> &jeux) {
    const auto lignes = base.Lire(QStringLiteral("SELECT NUMERO, TIRAGE, MOT, POINTS, MEILLEUR, "
                                                 "VOYELLES FROM JEUX WHERE PARTIE = ? ORDER BY "
                                                 "NUMERO"),
                                  {partie});
    for (const QVariantList &ligne : lignes.lignes)
      jeux.append(LireJeu(ligne));
  });
}

std::optional<QByteArray> HistoriqueBase::Csv(QString &erreur) {
  const QByteArray entete = "partie;date;temps;total;meilleur_possible;finie;jeu;tirage;mot;"
                            "points;plus_long_possible\r\n";
  return Consulter(erreur, entete, [](MoteurBase &base, QByteArray &csv) {
    const auto lignes = base.Lire(QStringLiteral(
        "SELECT P.ID, P.DATE, P.TEMPS, P.TOTAL, P.MEILLEUR, P.FINIE, J.NUMERO, J.TIRAGE, J.MOT, "
        "J.POINTS, J.MEILLEUR FROM PARTIES P LEFT JOIN JEUX J ON J.PARTIE = P.ID "
        "ORDER BY P.DATE, P.ID, J.NUMERO"));
    for (const QVariantList &ligne : lignes.lignes) {
      QByteArrayList champs;
      for (int c = 0; c < ligne.size(); ++c)
        champs << ChampCsv(c == 5 ? QString::fromLatin1(ligne.at(c).toLongLong() ? "oui" : "non")
                                  : ligne.at(c).toString());
      csv += champs.join(';') + "\r\n";
    }
  });
}
