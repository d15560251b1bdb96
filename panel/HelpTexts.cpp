// The pages of the panel's help, in French: lines separated by a carriage return, a blank line between
// paragraphs.
#include "panel/HelpPages.h"

const char* const kHelpTexts[kHelpPageTotal] = {
    // 1
    "ALT-CLIC\r"
    "Un clic sur le plan de travail avec la touche Alt affiche ou masque ce panneau.\r\r"
    "MAJ-CLIC\r"
    "Avec la touche Maj, le clic passe à l'outil suivant : Segment, Angle, Cercle, Bézier, Longueurs & aires.\r\r"
    "Le bouton en haut à droite applique les valeurs des préférences à la prochaine cote.",
    // 2
    "FLéCHES/POINTS\r"
    "L'image à gauche de la taille des extrémités, comme la commande du menu du panneau, change les quatre "
    "formes de pointes en quatre formes de points :\r\r"
    "point plein, point creux, trait oblique et croix.",
    // 3
    "COULEURS\r"
    "Le dialogue des couleurs s'ouvre par le menu du panneau, par la case de couleur du panneau ou par la zone "
    "de couleur des préférences.\r\r"
    "Il règle la couleur des traits, celle du texte et deux des pointes ; elles deviennent les couleurs par "
    "défaut.",
    // 4
    "TEXTE LIBRE\r"
    "Un texte libre remplace la valeur de la cote (unité « Texte libre »).\r\r"
    "Cinq textes préférés (Longueur, Largeur, Hauteur, Profondeur, Rayon) se choisissent dans le petit menu ; "
    "« Modifier… » les change dans un dialogue et les enregistre.",
    // 5
    "SEGMENT\r"
    "Un clic sur un segment le cote d'un coup ; deux clics cotent la distance entre deux extrémités (points "
    "d'ancrage ou intersections).\r\r"
    "En déplaçant ensuite le curseur, on fait varier les attaches ; avec Maj, elles varient par pas.",
    // 6
    "SEGMENT\r"
    "Distance entre deux segments :\r\r"
    "un clic avec Maj et Alt sur le premier segment, puis un clic sur le second. La cote mesure la distance "
    "entre les deux droites, perpendiculairement au premier segment.",
    // 7
    "SEGMENT\r"
    "Longueur d'une courbe de Bézier ouverte : quand le curseur prend la forme d'un S couché, un clic sur la "
    "courbe donne sa longueur.\r\r"
    "Le texte de cette cote est alors toujours horizontal, quelle que soit l'orientation choisie.",
    // 8
    "SEGMENT\r"
    "Longueur d'un arc de cercle : un clic sur l'arc donne sa longueur développée, tracée le long d'un arc "
    "parallèle.\r\r"
    "La touche Commande pendant le tracé permet de placer le texte avec précision.",
    // 9
    "SEGMENT\r"
    "TAVORINE EN SÉRIE\r"
    "Cotation en série sur plus de trois points : activez la série dans le panneau, puis cliquez les points "
    "les uns après les autres.\r\r"
    "Deux types : toutes les cotes depuis le premier point, ou chaque cote depuis le point précédent.",
    // 10
    "CRÉATION (SEGMENT).\r"
    "Un glissé sur une zone vide crée un segment.\r\r"
    "Alt fait varier son angle, Maj le fait varier par pas de 10°, et Commande le trace à partir de son "
    "milieu plutôt que de son extrémité.",
    // 11
    "CRÉATION (SEGMENT).\r"
    "Un clic sans glisser sur une zone vide ouvre le dialogue du segment.\r\r"
    "On y règle l'épaisseur, l'angle, la cote qui l'accompagne ou non, et le tracé à partir du milieu. Le "
    "segment se place au point cliqué.",
    // 12
    "CRÉATION (ANGLE).\r"
    "Un glissé sur une zone vide crée un angle.\r\r"
    "Alt le fait tourner degré par degré, Maj le fait varier par pas de 2°, et Commande le trace de part et "
    "d'autre de sa bissectrice.",
    // 13
    "CRÉATION (CERCLE ARC SECTEUR).\r"
    "Un glissé sur une zone vide crée un cercle, un arc ou un secteur, selon le réglage du dialogue.\r\r"
    "Alt le fait tourner, Maj fait varier son angle par pas de 2°. Le rayon suit le curseur.",
    // 14
    "CRÉATION (ANGLE).\r"
    "Un clic sans glisser sur une zone vide ouvre le dialogue de l'angle.\r\r"
    "On y règle l'ouverture, l'épaisseur, la cote qui l'accompagne ou non, et le tracé autour de la "
    "bissectrice.",
    // 15
    "CRÉATION (CERCLE ARC SECTEUR).\r"
    "Un clic sans glisser sur une zone vide ouvre le dialogue du cercle, de l'arc ou du secteur.\r\r"
    "On y choisit la figure, son épaisseur, son angle et la cote qui l'accompagne ou non.",
    // 16
    "COMMANDE (SEGMENT).\r"
    "Touches pendant le tracé d'une cote de segment :\r\r"
    "Commande déplace librement le texte, Espace le déplace le long de la ligne, Alt déplace la cote, Maj "
    "fait varier les attaches par multiples de la longueur préférée, Ctrl inverse les pointes.",
    // 17
    "AUTRES OPTIONS…(1)\r"
    "Le dialogue « Autres options... » du menu du panneau règle l'écart entre les attaches et l'objet coté.\r\r"
    "Cet écart laisse un petit blanc entre le dessin et le début de chaque attache.",
    // 18
    "AUTRES OPTIONS…(2)\r"
    "Le même dialogue règle la distance entre le texte et la ligne de cote.\r\r"
    "Il règle aussi le texte de tolérance : de taille normale ou réduite à 70 %, et son décalage vertical "
    "par rapport à la valeur.",
    // 19
    "DÉCALAGE TEXTE\r"
    "Les deux champs du bas décalent le texte horizontalement et verticalement (outils Segment, Cercle et "
    "Bézier).\r\r"
    "Un clic avec Commande sur l'image d'un champ rétablit le décalage préféré.",
    // 20
    "ANGLE\r"
    "Un clic sur le sommet cote l'angle d'un coup ; deux clics sur les côtés cotent l'angle entre eux.\r\r"
    "En déplaçant le curseur, on fait varier le rayon. Ctrl inverse les pointes, Alt passe du saillant au "
    "rentrant, Maj fait varier le rayon par pas.",
    // 21
    "ANGLE\r"
    "Angle au centre d'un arc de cercle : un clic sur l'arc cote l'angle entre ses deux rayons.\r\r"
    "L'arc de cote se place ensuite en déplaçant le curseur, comme pour un angle entre deux segments.",
    // 22
    "COMMANDE (ANGLE)\r"
    "Touches pendant le tracé d'une cote d'angle :\r\r"
    "Commande déplace librement le texte, Alt passe du saillant au rentrant, Maj fait varier le rayon par "
    "pas, Ctrl inverse le sens des pointes.",
    // 23
    "DÉCALAGE TEXTE (ANGLE)\r"
    "Les deux champs du bas décalent le texte de la cote d'angle : radialement, en s'éloignant du sommet, et "
    "angulairement, le long de l'arc.\r\r"
    "Un clic avec Commande sur l'image rétablit le décalage préféré.",
    // 24
    "CERCLE (2)\r"
    "Les symboles du rayon et du diamètre se placent avant ou après la valeur, à l'intérieur ou à "
    "l'extérieur du cercle.\r\r"
    "Ils se règlent dans les préférences et s'appliquent avec le bouton en haut à droite du panneau.",
    // 25
    "CERCLE (1)\r"
    "Rayon ou diamètre d'un arc : un clic sur l'arc, ou sur ses deux extrémités.\r\r"
    "En déplaçant le curseur, on fait varier l'orientation de la cote et la longueur de l'attache. Le panneau "
    "choisit le rayon ou le diamètre.",
    // 26
    "COMMANDE (CERCLE)\r"
    "Touches pendant le tracé d'une cote de cercle :\r\r"
    "Commande déplace librement le texte, Maj fait tourner la cote par pas de 45°, Ctrl inverse le sens des "
    "pointes. L'angle de la cote se règle aussi dans le panneau.",
    // 27
    "BÉZIER\r"
    "PARTAGE\r"
    "Division en parties égales d'un segment, d'un angle, d'un arc ou d'une courbe.\r\r"
    "La longueur et le nombre de parties se règlent à la souris ou dans le panneau ; les séparations aux "
    "extrémités dépendent de la préférence « Bouts ».",
    // 28
    "BÉZIER\r"
    "PARTAGE\r"
    "Avec Alt, les séparations ne se tracent que d'un côté, comme un peigne.\r\r"
    "Control affiche ou masque les séparations des extrémités pendant le tracé.\r\r"
    "Le nombre de parties se règle dans le panneau.",
    // 29
    "BÉZIER\r"
    "PARTAGE\r"
    "Un clic sur un cercle trace un réticule à la taille de l'objet : deux axes qui le traversent, "
    "prolongés au-delà du cercle.\r\r"
    "Le réticule suit le cercle même s'il a été légèrement déformé.",
    // 30
    "BÉZIER\r"
    "RAYON LOCAL\r"
    "Le rayon de courbure local le long d'une courbe de Bézier : un clic sur la courbe trace le rayon au "
    "point cliqué, avec sa valeur.\r\r"
    "Le sens de la pointe se change dans le panneau.",
    // 31
    "BÉZIER\r"
    "TANGENTE LOCALE\r"
    "La tangente locale le long d'une courbe de Bézier : un clic sur la courbe trace la tangente au point "
    "cliqué.\r\r"
    "Sa longueur, sa couleur et son épaisseur se règlent dans le panneau.",
    // 32
    "ÉDITEUR DE FLéCHES\r"
    "L'éditeur de flèche, dans le menu du panneau, dessine la pointe personnalisée : celle que marque un "
    "point d'interrogation dans le panneau.\r\r"
    "Ses points et leurs poignées se déplacent à la souris.",
    // 33
    "MODIFIER UNE COTE\r"
    "Quand le curseur prend la forme d'un M au-dessus d'une cote, un clic la sélectionne et lui donne les "
    "réglages en cours du panneau.\r\r"
    "L'outil de la cote devient l'outil actif.",
    // 34
    "LONGUEURS & AIRES\r"
    "Le panneau affiche la longueur totale, l'aire des tracés fermés, le nombre de points et le nombre de "
    "tracés mesurés.\r\r"
    "Un clic ajoute un tracé à la mesure ; un clic en dehors de tout tracé désélectionne tout.",
    // 35
    "LONGUEURS & AIRES\r"
    "Les aires s'additionnent clic après clic.\r\r"
    "Avec Maj et Alt, le clic soustrait l'aire du tracé cliqué : pratique pour une plaque percée de trous, "
    "dont on veut l'aire de matière.",
    // 36
    "LONGUEURS & AIRES\r"
    "Un clic sur un point d'ancrage, puis le survol d'un autre point d'ancrage de la même courbe, donnent la "
    "longueur de la courbe entre ces deux points.\r\r"
    "La valeur s'affiche dans le panneau.",
};
