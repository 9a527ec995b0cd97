#pragma once
// "Importer des recettes" and "Exporter des recettes" of the main menu: the
// dialogs, the progress and the messages around the exchange formats.

class Programme;
class QWidget;

// Asks for a file and a category, adds the file's recipes to the open base
// in one transaction and says what was done. True when recipes were added;
// throws Echec when the file cannot be read or the base refuses them.
bool importerRecettes(Programme& prog, QWidget* fenetre);

// Asks for all recipes or one category and a file, and writes them as
// MealMaster. Throws Echec when the base cannot be read or the file written.
void exporterRecettes(Programme& prog, QWidget* fenetre);
