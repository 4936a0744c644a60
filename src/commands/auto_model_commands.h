#pragma once
// The automatic model as commands on the window: the model menu, the threshold slider and the
// boxes and pointers around the detection of the core (core/auto_model.h).
#include "core/auto_model.h"
#include "core/language.h"

namespace ohmira {

// Builds a model from the field curve alone (Model_Layers rows 1 and 2, Nb_Layers, Fixed_Param
// cleared), ending with a half-space. At most 20 layers: a curve that would need more gives the
// "Automatic model impossible..." box, like any other failure.
void Create_Auto_Model();

// Change of Slider1: Auto_Threshold := value / 10 + 0.03, then the focus goes to the model grid.
void Set_Auto_Threshold();

// Start-up of the threshold slider: range 0..10 at 3, the threshold to match (0.33), and its
// change event connected to Set_Auto_Threshold.
void Setup_Auto_Threshold_Slider();

// The model menu: shows and computes the model in memory, or offers an automatic one.
void NModele_Click();

// The automatic model of the current sounding, or the "select a file" box when there is none.
// No command reaches it.
void Request_Auto_Model();

inline constexpr Language_Text Auto_Model_Impossible_Text = {
    "Création du modèle automatique impossible...", "Creación automática del modelo imposible...",
    "Automatic model impossible..."};
inline constexpr Language_Text Select_File_First_Text = {
    "Vous devez d'abord sélectionner un fichier ou entrer des données terrains",
    "Primero, seleccione un fichero", "First select a file"};
inline constexpr Language_Text Request_Select_File_Text = {
    "Vous devez d'abord sélectionner un fichier ou entrer des données terrains",
    "Primero, seleccione un fichero...", "First select a file..."};
inline constexpr Language_Text Auto_Model_Question_Text = {
    "Création automatique d'un modèle ?", "¿Desea una creación automática de modelo?",
    "Automatic model creation ?"};

} // namespace ohmira
