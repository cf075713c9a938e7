#!/usr/bin/env bash
# Remakes the sample cards in this folder: the posters are drawn here with
# ImageMagick, the texts are written below, and each card is laid out byte
# by byte as Fichoscope stores it. Needs python3, convert and fonts-dejavu-core.
set -euo pipefail

HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
TMP="$(mktemp -d)"
trap 'rm -rf "$TMP"' EXIT
FONT=/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf

# Nosferatu: a crooked shadow climbing a stair under a pale moon.
convert -size 400x600 gradient:'#1d2b22'-'#050806' \
  -fill '#d8d2b0' -draw 'circle 300,110 300,160' \
  -fill '#1d2b22' -draw 'circle 280,100 300,150' \
  -fill '#0b0f0c' -draw 'polygon 0,600 0,470 80,470 80,420 160,420 160,370 240,370 240,600' \
  -fill black \
  -draw 'polygon 150,420 165,250 180,215 200,205 222,215 232,250 245,420' \
  -draw 'polygon 180,215 186,180 200,170 214,180 220,215' \
  -draw 'polygon 186,182 178,160 192,174' -draw 'polygon 214,182 222,160 208,174' \
  -draw 'polygon 232,270 300,240 345,225 348,232 303,250 236,290' \
  -draw 'line 345,225 372,214' -draw 'line 346,229 374,226' -draw 'line 347,232 370,240' \
  -font "$FONT" -fill '#b01818' -gravity south -pointsize 52 -annotate +0+70 'NOSFERATU' \
  -fill '#d8d2b0' -pointsize 20 -annotate +0+40 'Murnau · 1922' \
  -strip -quality 82 "$TMP/nosferatu.jpg"

# Metropolis: a city of towers against a golden sky.
convert -size 450x600 gradient:'#e8c66a'-'#5a3b12' \
  -fill '#2b2418' \
  -draw 'rectangle 20,330 80,600' -draw 'rectangle 90,250 150,600' \
  -draw 'rectangle 300,270 360,600' -draw 'rectangle 370,350 430,600' \
  -draw 'polygon 170,600 170,230 200,180 225,140 250,180 280,230 280,600' \
  -fill '#f4e3a1' \
  -draw 'rectangle 100,270 110,280' -draw 'rectangle 130,300 140,310' \
  -draw 'rectangle 310,290 320,300' -draw 'rectangle 340,330 350,340' \
  -draw 'rectangle 215,250 235,265' -draw 'rectangle 215,290 235,305' \
  -draw 'line 0,420 450,380' -draw 'line 0,424 450,384' \
  -font "$FONT" -fill '#f4e3a1' -gravity north -pointsize 54 -annotate +0+30 'METROPOLIS' \
  -pointsize 20 -annotate +0+95 'Fritz Lang · 1927' \
  -strip -quality 82 "$TMP/metropolis.jpg"

python3 - "$HERE" "$TMP" <<'EOF'
import sys

here, posters = sys.argv[1], sys.argv[2]

# Field lengths in bytes, in the order of the record.
FIELDS = [("titre", 50), ("annee", 4), ("heures", 2), ("minutes", 2),
          ("type", 50), ("realisateur", 50), ("acteurs", 510), ("resume", 500)]

def card(name, poster, **texts):
    texts["acteurs"] = "".join(actor + "|" for actor in texts["acteurs"])
    texts["resume"] = texts["resume"].replace("\n", "\r\n")
    record = b""
    for field, length in FIELDS:
        encoded = texts[field].encode("cp1252")
        if len(encoded) > length:
            sys.exit(f"{name}: {field} takes {len(encoded)} bytes, more than {length}")
        record += encoded.ljust(length, b" ")
    data = b"@FCHSC@" + record + b"\xa9"
    if poster:
        with open(f"{posters}/{poster}", "rb") as picture:
            data += picture.read()
    with open(f"{here}/{name}", "wb") as out:
        out.write(data)

card("nosferatu.fsc", "nosferatu.jpg",
     titre="Nosferatu le vampire", annee="1922", heures=" 1", minutes="34",
     type="Fantastique, épouvante", realisateur="Friedrich Wilhelm Murnau",
     acteurs=["Max Schreck", "Gustav von Wangenheim", "Greta Schröder",
              "Alexander Granach", "Georg Heinrich Schnell", "Ruth Landshoff",
              "John Gottowt", "Gustav Botz"],
     resume="Wisborg, 1838. Le jeune Hutter quitte son épouse Ellen pour les "
            "Carpates, où le comte Orlok veut acheter une maison en face de "
            "la leur.\n"
            "Au château, Hutter comprend que son hôte est un vampire. Orlok "
            "gagne Wisborg par la mer, caché dans des cercueils pleins de "
            "terre ; les rats et la peste débarquent avec lui.\n"
            "Ellen a lu qu'une femme au cœur pur peut vaincre le vampire si "
            "elle le retient près d'elle jusqu'au chant du coq. Elle lui "
            "ouvre sa fenêtre.")

card("metropolis.fsc", "metropolis.jpg",
     titre="Metropolis", annee="1927", heures=" 2", minutes="33",
     type="Science-fiction", realisateur="Fritz Lang",
     acteurs=["Brigitte Helm", "Alfred Abel", "Gustav Fröhlich",
              "Rudolf Klein-Rogge", "Fritz Rasp", "Theodor Loos",
              "Heinrich George"],
     resume="Dans la ville géante de Metropolis, les maîtres vivent au "
            "soleil et les ouvriers sous terre, au rythme des machines.\n"
            "Freder, le fils du maître de la ville, suit Maria chez les "
            "ouvriers. L'inventeur Rotwang donne ses traits à un robot "
            "qui pousse la foule à la révolte.")

card("le-mecano-de-la-general.fsc", None,
     titre="Le Mécano de la « General »", annee="1926", heures=" 1", minutes="15",
     type="Comédie burlesque", realisateur="Clyde Bruckman, Buster Keaton",
     acteurs=["Buster Keaton", "Marion Mack", "Glen Cavender", "Jim Farley",
              "Frederick Vroom"],
     resume="Géorgie, 1861. Le mécanicien Johnnie Gray aime sa locomotive, "
            "la General, et Annabelle. Quand des espions nordistes volent la "
            "General avec Annabelle à bord, il part seul à leur poursuite.")
EOF
