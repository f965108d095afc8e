"""The language file and the rules text, in French, stored as Windows-1252 with CR LF line ends."""
import os

# Line N of the language file is LINES[N]; lines nothing reads hold a short note for translators.
LINES = [
    "Orvante",  # 0 folder of the game in the documents folder
    "Quitter la partie ?",
    "D'accord",
    "Annuler",
    "Fermer",
    "Nouvelle",  # 5 new puzzle during a game
    "Résoudre",
    "Vérifier",
    "Indice",
    "Options",
    "Imprimer",  # 10
    "Charger",
    "Sauver",
    "Scores",
    "Quitter",
    "Règles",  # 15
    "Jouer",
    "Concevoir",
    "Valider",
    "Abandonner",
    "Cette grille n'a pas de solution unique trouvable par logique.",  # 20
    "Grille acceptée !",
    "Niveau de difficulté :",
    "Très facile",
    "Facile",
    "Moyen",  # 25
    "Difficile",
    "Très difficile",
    "Hors norme",
    "Des pions sont faux : ils clignotent en rouge.",
    "Aucun indice trouvé pour cette grille.",  # 30
    "Bravo, la grille est complète !",
    "Temps de jeu :",
    "(ligne libre)",
    "Quitter Orvante ?",
    "Abandonner et tirer une nouvelle grille ?",  # 35
    "Fenêtre",
    "Plein écran",
    "Ivoire",
    "Minuit",
    "Lagon",  # 40
    "(ligne libre)",
    "(ligne libre)",
    "(ligne libre)",
    "(ligne libre)",
    "(ligne libre)",  # 45
    "Tableau des scores",
    "min",
    "s",
    "par [name], le [date]",
    "Partie sauvegardée.",  # 50
    "Un indice a été placé.",
    "(ligne libre)",
    "(ligne libre)",
    "Hors partie",
    "En pause",  # 55
    "En jeu",
    "Chrono arrêté",
    "Pions",
    "Temps :",
    "(ligne libre)",  # 60
    "Importer des MP3...",
    "Vérification : 20 secondes de pénalité.",
    "(ligne libre)",
    "plus d'une heure",
    "Règles du jeu",  # 65
    "Joueur",
    "Thème",
    "Niveau",
    "Affichage",
    "Musique",  # 70
    "Charger une partie",
    "Partie",
]

RULES = """ORVANTE - RÈGLES DU SUDOKU

Le but
- La grille a 9 lignes, 9 colonnes et 9 carrés de 3 x 3.
- Remplissez chaque case vide avec un chiffre de 1 à 9.
- Chaque ligne contient une fois chaque chiffre.
- Chaque colonne contient une fois chaque chiffre.
- Chaque carré de 3 x 3 contient une fois chaque chiffre.
- Une grille n'a qu'une solution, trouvable par logique.

Commencer
- Choisissez votre niveau dans le panneau Options.
- Cinq niveaux : de très facile à très difficile.
- Cliquez sur Jouer : une nouvelle grille est tirée.
- Les chiffres de départ sont fixes : ils ne bougent pas.

Poser un pion
- Cliquez sur une case : une roue de dix choix s'ouvre.
- Cliquez sur un chiffre de la roue pour le poser.
- Poser un pion efface les marques de la case.
- La croix de la roue efface le pion de la case.
- Un clic hors de la roue la referme sans rien poser.
- Vos pions et les chiffres de départ ont deux couleurs.

Les marques
- Un clic droit sur un chiffre de la roue pose une marque.
- Chaque marque a sa place dans la case, comme un clavier.
- Elles notent les chiffres encore possibles.
- Un second clic droit sur le même chiffre l'enlève.

L'aide
- Indice : le jeu pose un chiffre que la logique permet
  de trouver (au niveau très facile seulement).
- Si des pions sont faux, l'indice les montre d'abord.
- Vérifier : les pions faux clignotent en rouge.
- Chaque vérification ajoute 20 secondes à votre temps.
- Résoudre : le jeu remplit la grille et la partie cesse.

La pause
- Valider met la partie en pause : le chrono s'arrête
  et la grille se brouille.
- Un nouveau clic sur Valider reprend la partie.

Concevoir une grille
- Concevoir : posez vos propres chiffres de départ.
- Valider : le jeu vérifie que la grille se résout
  par logique et vous donne son niveau.
- La grille acceptée se joue comme une autre.

Sauver et charger
- Sauver garde la grille, vos pions et votre temps.
- Charger reprend une partie sauvée.
- Dans la liste, un clic droit puis Effacer supprime
  la partie choisie.

Les scores
- Une grille complète inscrit votre temps aux scores.
- Une grille résolue par le jeu ne compte pas.
- Le nom du joueur se règle dans le panneau Options.
- Un clic droit puis Effacer retire une ligne des scores.
- Nouvelle : abandonne la grille et en tire une autre.

Options
- Thème : trois décors pour la grille et les pions.
- Affichage : fenêtre ou plein écran.
- Musique : choisissez un titre, réglez le volume,
  ou importez vos propres fichiers MP3.

Bonne partie !"""


def write_lines(path, lines):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write("\r\n".join(lines).encode("cp1252") + b"\r\n")


def make_all(textes):
    write_lines(os.path.join(textes, "Francais.txt"), ["%03d %s" % (n, t) for n, t in enumerate(LINES)])
    write_lines(os.path.join(textes, "regles.txt"), RULES.split("\n"))
