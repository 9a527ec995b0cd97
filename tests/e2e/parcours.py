#!/usr/bin/env python3
"""Real-window journeys: the real carnet executable, started under Xvfb in a
demo program folder, driven with real X input events (xdotool). What is on
screen is read through the test build's probe (tests/e2e/sonde.cpp): a local
socket answering with the visible windows, their widgets' names, texts and
screen geometry. Clicks land at that geometry.

    parcours.py BUILD_DIR [WIDTHxHEIGHT] [JOURNEY ...]

Screenshots go to BUILD_DIR/parcours/WIDTHxHEIGHT/.
"""

import json
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import time

DELAI = 15.0  # seconds any expected screen may take to appear


class Echec(Exception):
    pass


class Carnet:
    """The running program, seen from outside."""

    def __init__(self, construction, dossier, photos, ecran):
        self.dossier = dossier
        self.photos = photos
        self.ecran = ecran
        self.sonde = os.path.join(dossier, ".sonde")
        self.pointeur = None
        self.journal = open(os.path.join(photos, "carnet.log"), "w")
        env = dict(os.environ)
        env.update(CARNET_SONDE=self.sonde, CARNET_INTERVALLE_SPLASH="20",
                   ASAN_OPTIONS="detect_leaks=0", QT_QPA_PLATFORM="xcb")
        self.processus = subprocess.Popen([os.path.join(dossier, "carnet")], cwd=dossier,
                                          env=env, stdout=self.journal, stderr=subprocess.STDOUT)

    # --- reading the screen -------------------------------------------------
    def lire(self):
        if self.processus.poll() is not None:
            raise Echec("carnet has ended (exit code %d)" % self.processus.returncode)
        try:
            with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as s:
                s.settimeout(5)
                s.connect(self.sonde)
                morceaux = []
                while True:
                    m = s.recv(65536)
                    if not m:
                        break
                    morceaux.append(m)
            return json.loads(b"".join(morceaux))
        except (FileNotFoundError, ConnectionRefusedError, json.JSONDecodeError):
            return None

    def attendre(self, condition, quoi, delai=DELAI):
        """Polls the screen until condition(windows) gives something."""
        fin = time.monotonic() + delai
        dernier = None
        while time.monotonic() < fin:
            fenetres = self.lire()
            if fenetres is not None:
                dernier = fenetres
                resultat = condition(fenetres)
                if resultat:
                    return resultat
            time.sleep(0.05)
        self.photo("echec")
        with open(os.path.join(self.photos, "echec.json"), "w") as f:
            json.dump(dernier, f, indent=1, ensure_ascii=False)
        raise Echec("not on screen after %.0f s: %s" % (delai, quoi))

    def fenetre(self, classe, active=True):
        """Waits for the visible window of that class (enabled unless told).
        An enabled window gets the keyboard, as a window manager gives it to
        the window just shown (Xvfb runs none)."""
        def trouver(fenetres):
            for f in fenetres:
                if f["classe"] == classe and (not active or f["actif"]):
                    return f
            return None
        f = self.attendre(trouver, "window " + classe)
        if active and not f["active"]:
            self.xdotool("windowfocus", "--sync", f["xid"])
            f = self.attendre(lambda fs: next((g for g in fs if g["classe"] == classe
                                               and g["active"]), None),
                              "window %s active" % classe)
        return f

    def absente(self, classe):
        self.attendre(lambda fs: all(f["classe"] != classe for f in fs) or [True],
                      "window %s closed" % classe)

    def widget(self, classe, nom, condition=lambda w: True, quoi=""):
        """Waits for a visible widget of a window satisfying condition."""
        def trouver(fenetres):
            for f in fenetres:
                if f["classe"] == classe:
                    for w in f["widgets"]:
                        if w["nom"] == nom and condition(w):
                            return w
            return None
        return self.attendre(trouver, "%s.%s %s" % (classe, nom, quoi))

    def texte(self, classe, nom, attendu):
        return self.widget(classe, nom, lambda w: w.get("texte") == attendu,
                           "showing %r" % attendu)

    def cache(self, classe, nom):
        def trouver(fenetres):
            for f in fenetres:
                if f["classe"] == classe:
                    return all(w["nom"] != nom for w in f["widgets"])
            return False
        self.attendre(trouver, "%s.%s hidden" % (classe, nom))

    # --- acting as a person -------------------------------------------------
    def xdotool(self, *arguments):
        subprocess.run(["xdotool", *arguments], check=True)

    def cliquer(self, geo):
        x, y, l, h = geo
        point = (x + l // 2, y + h // 2)
        # --sync waits for the pointer to move: never ask it to stay put.
        if point != self.pointeur:
            self.xdotool("mousemove", "--sync", str(point[0]), str(point[1]))
            self.pointeur = point
        self.xdotool("click", "1")

    def taper(self, texte):
        self.xdotool("type", "--delay", "15", texte)

    def touche(self, *touches):
        self.xdotool("key", "--delay", "30", *touches)

    def commande(self, classe, legende):
        """Clicks a command of a window's menu bar."""
        def trouver(fenetres):
            for f in fenetres:
                if f["classe"] == classe and f["actif"]:
                    for w in f["widgets"]:
                        for e in w.get("entrees", []):
                            if w["classe"] == "QMenuBar" and e["texte"] == legende and e["actif"]:
                                return e
            return None
        self.cliquer(self.attendre(trouver, "command %r of %s" % (legende, classe))["geo"])

    def menu(self, classe, *chemin, fin=True):
        """Opens the menu-bar title chemin[0] of the window and follows the entries."""
        self.commande(classe, chemin[0])
        for legende in chemin[1:]:
            def trouver(fenetres, legende=legende):
                for f in fenetres:
                    if f["classe"] == "QMenu":
                        for e in f.get("entrees", []):
                            if e["texte"] == legende and e["actif"]:
                                return e
                return None
            self.cliquer(self.attendre(trouver, "menu entry %r" % legende)["geo"])
        if fin:
            self.absente("QMenu")

    def ligne(self, classe, nom, texte, colonne=None):
        """Clicks the visible row of a grid or list holding that text."""
        def trouver(fenetres):
            for f in fenetres:
                if f["classe"] != classe:
                    continue
                for w in f["widgets"]:
                    if w["nom"] != nom:
                        continue
                    for l in w.get("lignes", []):
                        for i, c in enumerate(l["cellules"]):
                            if c["texte"] == texte and c["geo"]:
                                return l["cellules"][i if colonne is None else colonne]
            return None
        self.cliquer(self.attendre(trouver, "row %r in %s.%s" % (texte, classe, nom))["geo"])

    def remplir(self, classe, nom, texte):
        """Clicks into a text box, replaces what it holds by typing."""
        self.cliquer(self.widget(classe, nom, lambda w: w["actif"])["geo"])
        self.widget(classe, nom, lambda w: w["focus"], "with the focus")
        self.touche("ctrl+a", "BackSpace")
        self.taper(texte)

    def bouton(self, classe, legende):
        self.cliquer(self.attendre(
            lambda fs: next((w for f in fs if f["classe"] == classe for w in f["widgets"]
                             if w["classe"] == "QPushButton" and w.get("texte") == legende
                             and w["actif"]), None),
            "button %r in %s" % (legende, classe))["geo"])

    def message(self, debut):
        """Waits for a message box starting with that text, returns its window."""
        def trouver(fenetres):
            for f in fenetres:
                if f["classe"] == "QMessageBox":
                    for w in f["widgets"]:
                        if w["nom"] == "qt_msgbox_label" and w.get("texte", "").startswith(debut):
                            return f
            return None
        return self.attendre(trouver, "message %r" % debut)

    def photo(self, nom):
        time.sleep(0.15)  # let the last paint reach the screen
        subprocess.run(["import", "-window", "root",
                        os.path.join(self.photos, nom + ".png")], check=False)

    def arreter(self):
        if self.processus.poll() is None:
            self.processus.kill()
            self.processus.wait()
        self.journal.close()


# --- what the user sees ------------------------------------------------------

def lignes_grille(c, classe):
    """Every visible row of the window's grid, as lists of cell texts."""
    g = c.widget(classe, "MSFlexGrid1")
    return [[cel["texte"] for cel in l["cellules"]] for l in g["lignes"]]


def menu_pret(c, base, nombre=None):
    """The main menu with its base open and usable (the count is the one read
    when the base was opened)."""
    c.fenetre("KalDepart")
    c.texte("KalDepart", "Label1", base)
    if nombre is None:
        return c.widget("KalDepart", "Label2", lambda w: w.get("texte", "").startswith(
            "Nombre de Recettes"))["texte"]
    return c.texte("KalDepart", "Label2", "Nombre de Recettes  %d" % nombre)["texte"]


def choisir_base(c, fichier):
    c.fenetre("KalDepart")
    c.ligne("KalDepart", "File1", fichier)
    return menu_pret(c, fichier[:-4])


def categorie(c, *chemin):
    """A category from the main menu, through its introduction page."""
    c.menu("KalDepart", "Menu", *chemin)
    c.fenetre("KalTexte")
    c.commande("KalTexte", "Suite")
    c.absente("KalTexte")
    c.widget("KalGeneral", "MSFlexGrid1")


# --- the journeys ---------------------------------------------------------------

def parcours_depart(c, etat):
    """Start: the splash hands over, a base is chosen, its count is read."""
    c.attendre(lambda fs: any(f["classe"] == "Copyright" for f in fs)
               or any(f["classe"] == "KalDepart" for f in fs), "the splash")
    if any(f["classe"] == "Copyright" for f in c.lire() or []):
        c.widget("Copyright", "lblProductName", lambda w: w.get("texte") == "CARNET")
        c.photo("1-splash")
    c.widget("KalDepart", "File1", lambda w: w["nombreLignes"] == 2, "listing the two demo bases")
    c.absente("Copyright")
    c.absente("Fond")
    c.photo("1-bases")
    compte = choisir_base(c, "Cuisine.mdb")
    etat["nombre"] = int(compte.split()[-1])
    if etat["nombre"] <= 0:
        raise Echec("the demo base counts no recipe: " + compte)
    c.photo("1-menu")
    c.commande("KalDepart", "Menu")
    c.attendre(lambda fs: any(f["classe"] == "QMenu" for f in fs), "the main menu open")
    c.photo("1-menu-ouvert")
    c.touche("Escape")
    c.absente("QMenu")
    # The help document, with its pictures, in the program's own viewer.
    c.menu("KalDepart", "Menu", "Lisez Moi")
    c.fenetre("AideCarnet")
    c.attendre(lambda fs: any("Carnet, le livre de recettes" in w.get("texte", "")
                              for f in fs if f["classe"] == "AideCarnet" for w in f["widgets"]),
               "the first help page")
    c.photo("1-aide")
    # The first link, followed from the keyboard, leads to a page with screenshots.
    c.touche("Tab", "Return")
    c.attendre(lambda fs: any("Sa barre de progression" in w.get("texte", "")
                              for f in fs if f["classe"] == "AideCarnet" for w in f["widgets"]),
               "the help page on the start")
    c.photo("1-aide-demarrage")
    c.commande("AideCarnet", "Fermer")
    c.absente("AideCarnet")
    menu_pret(c, "Cuisine")


def parcours_agneau(c, etat):
    """Viande, Agneau, Suite, a recipe, next, previous, back, back."""
    c.menu("KalDepart", "Menu", "Viande", "Agneau")
    c.fenetre("KalTexte")
    c.widget("KalTexte", "Text1", lambda w: len(w.get("texte", "")) > 20, "with the lamb page")
    c.fenetre("KalDepart", active=False)  # disabled behind it
    c.photo("2-texte")
    c.commande("KalTexte", "Suite")
    c.texte("KalGeneral", "Label1", "AGNEAU  Nombre de Fiches %d" % len(agneaux(c)))
    c.photo("2-liste")
    premier = lignes_grille(c, "KalGeneral")[1]
    c.ligne("KalGeneral", "MSFlexGrid1", premier[1])
    c.texte("KalGeneral", "Text1", premier[1])
    c.texte("KalGeneral", "Label9", "Fiche N° %s N° 1" % premier[0])
    c.photo("2-fiche")
    c.commande("KalGeneral", "Suivant")
    c.widget("KalGeneral", "Label9", lambda w: w.get("texte", "").endswith(" N° 2"))
    if c.widget("KalGeneral", "Text1")["texte"] == premier[1]:
        raise Echec("Suivant kept the first card")
    c.photo("2-suivant")
    c.commande("KalGeneral", "Precedant")
    c.texte("KalGeneral", "Label9", "Fiche N° %s N° 1" % premier[0])
    c.texte("KalGeneral", "Text1", premier[1])
    c.commande("KalGeneral", "Retour")
    c.widget("KalGeneral", "MSFlexGrid1")
    c.cache("KalGeneral", "Text1")
    c.commande("KalGeneral", "Retour")
    c.absente("KalGeneral")
    menu_pret(c, "Cuisine")


def agneaux(c):
    """The rows of the lamb list below its heading (read once the grid shows)."""
    return lignes_grille(c, "KalGeneral")[1:]


TITRE = "GATEAU D'ESSAI"


def parcours_creation(c, etat):
    """A new card with a photograph, saved, found, exported as text."""
    categorie(c, "Dessert")
    avant = c.widget("KalGeneral", "Label1")["texte"]
    nombre_avant = int(avant.split()[-1])
    c.commande("KalGeneral", "Creer une Fiche")
    c.remplir("KalGeneral", "Text1", "gateau d'essai")
    c.texte("KalGeneral", "Text1", TITRE)  # typed in capitals key by key
    c.remplir("KalGeneral", "Text2", "20 min")
    c.remplir("KalGeneral", "Text3", "35 min")
    c.remplir("KalGeneral", "Text4", "NNN")
    c.remplir("KalGeneral", "Text7", "Cidre doux")
    c.remplir("KalGeneral", "Text5", "200 g de farine")
    c.touche("Return")
    c.taper("3 oeufs")
    c.remplir("KalGeneral", "Text6", "Melanger, cuire au four.")
    c.commande("KalGeneral", "Ajout Image")
    c.fenetre("QFileDialog")
    c.widget("QFileDialog", "fileNameEdit", lambda w: w["focus"], "with the focus")
    c.photo("3-dialogue-photo")
    c.taper(etat["photo"])
    c.touche("Return")
    c.absente("QFileDialog")
    c.photo("3-nouvelle-fiche")
    c.commande("KalGeneral", "Enregistre")
    c.texte("KalGeneral", "Label1", "DESSERT  Nombre de Fiches %d" % (nombre_avant + 1))
    trouve = [l for l in lignes_grille(c, "KalGeneral") if l[1] == TITRE]
    if not trouve:
        raise Echec("the new card is not in the list")
    etat["numero"] = int(trouve[0][0])
    image = os.path.join(c.dossier, "Images", TITRE + ".JPG")
    if not os.path.isfile(image) or os.path.getsize(image) < 1000:
        raise Echec("the photograph was not written as " + image)
    c.commande("KalGeneral", "Retour")
    etat["nombre"] += 1
    menu_pret(c, "Cuisine")

    c.menu("KalDepart", "Menu", "Chercher une Recette")
    c.fenetre("KalRecherche")
    c.widget("KalRecherche", "Text7", lambda w: w["focus"], "with the focus")
    c.taper("essai")
    c.texte("KalRecherche", "Text7", "essai")  # upper-cased only when searched
    c.touche("Return")
    c.widget("KalRecherche", "MSFlexGrid1")
    c.photo("3-recherche")
    c.ligne("KalRecherche", "MSFlexGrid1", TITRE)
    c.texte("KalRecherche", "Text1", TITRE)
    c.widget("KalRecherche", "Text5", lambda w: "3 oeufs" in w.get("texte", ""))
    c.photo("3-apercu")
    c.commande("KalRecherche", "Imprimer")
    c.texte("KalRecherche", "Label8", "I=IMPRIMANTE OU T=TEXTE")
    c.widget("KalRecherche", "Text8", lambda w: w["focus"] and w.get("texte") == "I")
    c.touche("BackSpace")
    c.taper("t")
    c.texte("KalRecherche", "Text8", "T")
    c.photo("3-question")
    c.touche("Return")
    fichier = os.path.join(c.dossier, TITRE + ".txt")
    boite = c.message("LA RECETTE EST ÉCRITE À LA FIN DU FICHIER")
    c.cliquer(next(w for w in boite["widgets"] if w["classe"] == "QPushButton")["geo"])
    c.absente("QMessageBox")
    c.fenetre("KalRecherche")  # the keyboard back, as a window manager gives it
    c.widget("KalRecherche", "Text7", lambda w: w["focus"], "back to the word")
    c.attendre(lambda fs: os.path.isfile(fichier), "the file " + fichier)
    contenu = open(fichier, "rb").read().decode("cp1252")
    for attendu in (TITRE, "200 g de farine", "3 oeufs", "Melanger, cuire au four.", "Cidre doux"):
        if attendu not in contenu:
            raise Echec("%r missing from the exported text:\n%s" % (attendu, contenu))
    c.commande("KalRecherche", "Retour")
    c.absente("KalRecherche")
    menu_pret(c, "Cuisine")


def liste_recettes(c):
    """Liste des Recettes: {title: number} of every recipe, scrolling the grid."""
    c.menu("KalDepart", "Menu", "Liste des Recettes")
    c.fenetre("KalRubrique")
    total = int(c.widget("KalRubrique", "Label1", lambda w: w.get("texte", "").startswith(
        "Nombre de recettes"))["texte"].split()[-1])
    vus = {}
    grille = c.widget("KalRubrique", "MSFlexGrid1")
    c.cliquer(grille["geo"][:2] + [4, 4])  # the heading row: the grid takes the keys
    precedent = None
    while True:
        g = c.widget("KalRubrique", "MSFlexGrid1")
        for l in g["lignes"]:
            numero, titre = (cel["texte"] for cel in l["cellules"])
            if numero and l["ligne"] > 0:  # row 0 names the columns
                vus[titre] = int(numero)
        derniere = g["lignes"][-1]["ligne"]
        if derniere == precedent or derniere == g["nombreLignes"] - 1:
            break
        precedent = derniere
        c.touche("Next")
        c.attendre(lambda fs: c.widget("KalRubrique", "MSFlexGrid1")["lignes"][-1]["ligne"]
                   != derniere or derniere == g["nombreLignes"] - 1, "the grid scrolled", 3)
    if len(vus) != total:
        raise Echec("Liste des Recettes counts %d but shows %d" % (total, len(vus)))
    return vus


def quitter_liste(c, etat):
    c.commande("KalRubrique", "Retour")
    c.absente("KalRubrique")
    menu_pret(c, "Cuisine")


def repondre_oui(c, debut, titre="DANGER"):
    """Clicks "Oui" in the careful question (`titre`) that starts with `debut`."""
    boite = c.message(debut)
    if boite["titre"] != titre:
        raise Echec("the question %r is titled %r" % (debut, boite["titre"]))
    time.sleep(0.3)  # the question moves clear of the pointer once shown
    boite = c.message(debut)
    oui = next(w for w in boite["widgets"] if w["classe"] == "QPushButton"
               and w.get("texte", "").replace("&", "") == "Oui")
    c.cliquer(oui["geo"])
    c.absente("QMessageBox")


def effacer(c, chemin, titre=None, rang=1):
    """Deletes the card of that title (or at that row) in a category; gives its title."""
    categorie(c, *chemin)
    if titre is None:
        titre = lignes_grille(c, "KalGeneral")[rang][1]
    c.ligne("KalGeneral", "MSFlexGrid1", titre)
    c.texte("KalGeneral", "Text1", titre)
    c.commande("KalGeneral", "Effacer")
    repondre_oui(c, "VOULEZ-VOUS EFFACER LA FICHE « %s »" % titre)
    c.widget("KalGeneral", "MSFlexGrid1")
    if any(l[1] == titre for l in lignes_grille(c, "KalGeneral")):
        raise Echec(titre + " still listed after Effacer")
    c.commande("KalGeneral", "Retour")
    c.absente("KalGeneral")
    return titre


def parcours_suppression(c, etat):
    """The new card deleted, then one in the middle; the list is renumbered."""
    avant = liste_recettes(c)
    c.photo("4-liste")
    quitter_liste(c, etat)
    if avant.get(TITRE) != etat["numero"]:
        raise Echec("the new card is listed as %r, not %d" % (avant.get(TITRE), etat["numero"]))
    effacer(c, ("Dessert",), TITRE)
    etat["nombre"] -= 1
    menu_pret(c, "Cuisine")
    if os.path.exists(os.path.join(c.dossier, "Images", TITRE + ".JPG")):
        raise Echec("the photograph of the deleted card is still there")

    # A card in the middle of the table (the second lamb recipe): every later
    # number moves down by one.
    milieu = effacer(c, ("Viande", "Agneau"), rang=2)
    milieu_numero = avant[milieu]
    etat["nombre"] -= 1
    menu_pret(c, "Cuisine")
    apres = liste_recettes(c)
    c.photo("4-liste-renumerotee")
    quitter_liste(c, etat)
    attendu = {t: (n if n < milieu_numero else n - 1) for t, n in avant.items()
               if t not in (TITRE, milieu)}
    if apres != attendu:
        faux = {t: (apres.get(t), attendu.get(t)) for t in set(apres) | set(attendu)
                if apres.get(t) != attendu.get(t)}
        raise Echec("renumbering wrong (title: shown, expected): %r" % faux)
    if sorted(apres.values()) != list(range(1, len(apres) + 1)):
        raise Echec("numbers are not 1..%d: %r" % (len(apres), sorted(apres.values())))


def parcours_sauvegarde(c, etat):
    """Backup to a folder, a recipe changed, restore, the old recipe back."""
    cible = os.path.join(etat["dehors"], "SAUVE")
    c.menu("KalDepart", "Menu", "Sauvegarde")
    c.fenetre("KalSauvegarde")
    c.widget("KalSauvegarde", "Label2", lambda w: "SAUVEGARDE" in w.get("texte", ""))
    c.photo("5-sauvegarde")
    c.remplir("KalSauvegarde", "Text1", cible)
    c.commande("KalSauvegarde", "Sauvegarde")
    c.texte("KalSauvegarde", "Text1", "C'EST FINI")
    c.photo("5-fini")
    for nom in ("Cuisine.mdb", "FETES.MDB", "Sauve.kal", "AGNEAU.txt"):
        if not os.path.isfile(os.path.join(cible, nom)):
            raise Echec(nom + " missing from the backup")
    c.commande("KalSauvegarde", "Quitter")
    c.absente("KalSauvegarde")
    menu_pret(c, "Cuisine")

    categorie(c, "Viande", "Agneau")
    titre = lignes_grille(c, "KalGeneral")[1][1]
    c.ligne("KalGeneral", "MSFlexGrid1", titre)
    c.texte("KalGeneral", "Text1", titre)
    ancien = c.widget("KalGeneral", "Text2")["texte"]
    c.remplir("KalGeneral", "Text2", "99 heures")
    c.commande("KalGeneral", "Enregistre")
    c.widget("KalGeneral", "MSFlexGrid1")
    c.ligne("KalGeneral", "MSFlexGrid1", titre)
    c.texte("KalGeneral", "Text2", "99 HEURES")
    c.commande("KalGeneral", "Retour")
    c.commande("KalGeneral", "Retour")
    c.absente("KalGeneral")

    c.menu("KalDepart", "Menu", "Sauvegarde")
    c.fenetre("KalSauvegarde")
    c.commande("KalSauvegarde", "Restorer")
    repondre_oui(c, "RESTORER LA SAUVEGARDE DU", "RESTORATION")
    repondre(c, c.message("LA RESTORATION EST FINIE"), "OK")
    c.absente("KalSauvegarde")
    menu_pret(c, "Cuisine")
    categorie(c, "Viande", "Agneau")
    c.ligne("KalGeneral", "MSFlexGrid1", titre)
    c.texte("KalGeneral", "Text2", ancien)
    c.photo("5-restauree")
    c.commande("KalGeneral", "Retour")
    c.commande("KalGeneral", "Retour")
    c.absente("KalGeneral")
    menu_pret(c, "Cuisine")

    # A long backup: "Quitter" is heard during the copy, which stops.
    longues = [os.path.join(c.dossier, "Images", "LONGUE %05d.jpg" % i) for i in range(12000)]
    for nom in longues:
        open(nom, "wb").write(b"x" * 2048)
    c.menu("KalDepart", "Menu", "Sauvegarde")
    c.remplir("KalSauvegarde", "Text1", os.path.join(etat["dehors"], "LONGUE"))
    c.commande("KalSauvegarde", "Sauvegarde")
    c.commande("KalSauvegarde", "Quitter")
    repondre(c, c.message("LA SAUVEGARDE A ETE INTERROMPUE"), "OK")
    # Stopped before the photographs, their folder may not even exist.
    copiees = os.path.join(etat["dehors"], "LONGUE", "Images")
    if os.path.isdir(copiees) and os.listdir(copiees):
        raise Echec("the interrupted backup put photographs in place")
    for nom in longues:
        os.remove(nom)
    menu_pret(c, "Cuisine")


def repondre(c, boite, legende):
    """Clicks a button of a message box."""
    c.cliquer(next(w for w in boite["widgets"] if w["classe"] == "QPushButton"
                   and w.get("texte", "").replace("&", "") == legende)["geo"])
    c.absente("QMessageBox")


def parcours_bases(c, etat):
    """A base created, opened (count 0), deleted."""
    c.menu("KalDepart", "Menu", "Créer une base")
    c.fenetre("KalCreer")
    c.widget("KalCreer", "Text1", lambda w: w["focus"], "with the focus")
    c.taper("essai")
    c.photo("6-creer")
    c.bouton("KalCreer", "OK")
    c.absente("KalCreer")
    c.widget("KalDepart", "File1", lambda w: w["nombreLignes"] == 3, "listing the new base")
    c.photo("6-liste")
    if not os.path.isfile(os.path.join(c.dossier, "ESSAI.MDB")):
        raise Echec("ESSAI.MDB was not created")
    choisir_base(c, "ESSAI.MDB")
    menu_pret(c, "ESSAI", 0)
    c.photo("6-base-vide")

    c.menu("KalDepart", "Menu", "Supprimer une Base")
    c.fenetre("KalSupprime")
    c.ligne("KalSupprime", "File1", "ESSAI.MDB")
    c.message("VOULEZ-VOUS SUPPRIMER ESSAI.MDB")
    c.photo("6-danger")
    repondre_oui(c, "VOULEZ-VOUS SUPPRIMER ESSAI.MDB")
    c.widget("KalSupprime", "File1", lambda w: w["nombreLignes"] == 2, "without the base")
    if os.path.exists(os.path.join(c.dossier, "ESSAI.MDB")):
        raise Echec("ESSAI.MDB is still there")
    c.commande("KalSupprime", "Retour")
    c.absente("KalSupprime")
    # Opened again, the demo base counts what the journeys left in it.
    choisir_base(c, "Cuisine.mdb")
    menu_pret(c, "Cuisine", etat["nombre"])


def parcours_import(c, etat):
    """A small MealMaster file imported, one of its recipes found by search."""
    fichier = os.path.join(etat["dehors"], "recettes essai.mmf")
    recette = ("MMMMM----- Recipe via Meal-Master (tm) v8.05\r\n\r\n      Title: %s\r\n"
               " Categories: %s\r\n      Yield: 6\r\n\r\n    500 g  %s\r\n      3    Oeufs\r\n\r\n"
               "  Melanger.\r\n\r\n  Cuire 40 minutes.\r\nMMMMM\r\n\r\n")
    with open(fichier, "wb") as f:
        f.write((recette % ("Clafoutis aux cerises", "Desserts", "Cerises")
                 + recette % ("Soupe glacée", "Soups", "Concombre")).encode("cp1252"))
    c.menu("KalDepart", "Menu", "Importer des recettes")
    c.fenetre("QFileDialog")
    c.widget("QFileDialog", "fileNameEdit", lambda w: w["focus"], "with the focus")
    c.taper(fichier)
    c.touche("Return")
    c.absente("QFileDialog")
    c.fenetre("QInputDialog")
    c.photo("7-categorie")
    c.touche("Return")
    c.absente("QInputDialog")
    c.message("2 recettes importées dans")
    c.photo("7-import")
    c.touche("Return")
    c.absente("QMessageBox")
    etat["nombre"] += 2
    menu_pret(c, "Cuisine", etat["nombre"])

    c.menu("KalDepart", "Menu", "Chercher une Recette")
    c.fenetre("KalRecherche")
    c.widget("KalRecherche", "Text7", lambda w: w["focus"], "with the focus")
    c.taper("clafoutis")
    c.touche("Return")
    c.ligne("KalRecherche", "MSFlexGrid1", "CLAFOUTIS AUX CERISES")
    c.texte("KalRecherche", "Text1", "CLAFOUTIS AUX CERISES")
    c.widget("KalRecherche", "Text5", lambda w: "500 g Cerises" in w.get("texte", ""))
    c.photo("7-trouvee")
    c.commande("KalRecherche", "Retour")
    c.absente("KalRecherche")
    menu_pret(c, "Cuisine", etat["nombre"])


PARCOURS = [parcours_depart, parcours_agneau, parcours_creation, parcours_suppression,
            parcours_sauvegarde, parcours_bases, parcours_import]


def main():
    construction = os.path.abspath(sys.argv[1])
    ecran = sys.argv[2] if len(sys.argv) > 2 else "1024x768"
    choix = [int(n) for n in sys.argv[3:]] or list(range(1, len(PARCOURS) + 1))
    if not os.environ.get("CARNET_PARCOURS_X"):
        # Re-run inside a fresh X server of that size.
        env = dict(os.environ, CARNET_PARCOURS_X="1")
        env.pop("QT_QPA_PLATFORM", None)
        commande = ["xvfb-run", "-a", "-s", "-screen 0 %sx24" % ecran,
                    sys.executable, os.path.abspath(__file__), *sys.argv[1:]]
        sys.exit(subprocess.run(commande, env=env).returncode)

    photos = os.path.join(construction, "parcours", ecran)
    shutil.rmtree(photos, ignore_errors=True)
    os.makedirs(photos)
    dehors = tempfile.mkdtemp(prefix="carnet-parcours-")
    dossier = os.path.join(dehors, "Carnet")
    subprocess.run([os.path.join(construction, "carnet-demo"), dossier], check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    shutil.copy(os.path.join(construction, "carnet"), dossier)
    # As the run command installs it.
    racine = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    shutil.copy(os.path.join(racine, "help", "Lisez-Moi.chm"), dossier)
    # The photograph chosen in the file dialog lies outside the program folder.
    photo = os.path.join(dehors, "photo essai.jpg")
    shutil.copy(os.path.join(dossier, "Images", "TARTE TATIN.jpg"), photo)

    etat = {"dehors": dehors, "photo": photo}
    c = Carnet(construction, dossier, photos, ecran)
    debut = time.monotonic()
    try:
        for n in choix:
            if n != 1 and 1 not in choix and "nombre" not in etat:
                parcours_depart(c, etat)
            p = PARCOURS[n - 1]
            t = time.monotonic()
            p(c, etat)
            print("journey %d %-22s ok  %5.1f s" % (n, p.__name__, time.monotonic() - t), flush=True)
        c.menu("KalDepart", "Menu", "Quitter", fin=False)
        c.processus.wait(timeout=DELAI)
        if c.processus.returncode != 0:
            raise Echec("carnet ended with exit code %d" % c.processus.returncode)
    except (Echec, subprocess.SubprocessError) as e:
        print("FAILED: %s\n(screenshots and echec.json in %s)" % (e, photos), flush=True)
        c.arreter()
        print(open(os.path.join(photos, "carnet.log")).read()[-4000:])
        return 1
    finally:
        c.arreter()
        shutil.rmtree(dehors, ignore_errors=True)
    print("all journeys in %.1f s; screenshots in %s" % (time.monotonic() - debut, photos))
    return 0


if __name__ == "__main__":
    sys.exit(main())
