#pragma once

#include <QByteArray>

// How the program names itself to the services it calls and to its users.
inline constexpr char kWebAddress[] = "https://fichoscope.example.org";
inline constexpr char kMailAddress[] = "fichoscope@example.org";

// The attribution TMDb's terms ask for wherever its data is shown.
inline constexpr char kTmdbAttribution[] = "Ce produit utilise l'API TMDB mais n'est ni approuvé ni certifié par TMDB.";

// "Fichoscope/1.0.0 (https://...; mail)": Wikimedia's policy asks every
// client to name itself, its version and how to reach its authors.
QByteArray UserAgent();
