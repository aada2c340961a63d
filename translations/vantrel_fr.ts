<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>RuleDisplay</name>
    <message>
        <source>PASS</source>
        <translation>RÉUSSI</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>ÉCHEC</translation>
    </message>
    <message>
        <source>invalid</source>
        <translation>invalide</translation>
    </message>
    <message>
        <source>checking…</source>
        <translation>vérification…</translation>
    </message>
</context>
<context>
    <name>TAboutDialog</name>
    <message>
        <source>About Vantrel</source>
        <translation>À propos de Vantrel</translation>
    </message>
    <message>
        <source>Vantrel %1</source>
        <translation>Vantrel %1</translation>
    </message>
    <message>
        <source>Edits and checks the parameter files of a coordinate measuring machine&apos;s motion controller.</source>
        <translation>Modifie et vérifie les fichiers de paramètres de la commande d&apos;axes d&apos;une machine à mesurer tridimensionnelle.</translation>
    </message>
    <message>
        <source>Built with Qt %1, running on Qt %2.</source>
        <translation>Compilé avec Qt %1, exécuté sous Qt %2.</translation>
    </message>
    <message>
        <source>Licence: MIT. The program comes without any warranty.</source>
        <translation>Licence : MIT. Le programme est fourni sans aucune garantie.</translation>
    </message>
    <message>
        <source>Settings and rules are kept in %1</source>
        <translation>Les réglages et les règles sont conservés dans %1</translation>
    </message>
</context>
<context>
    <name>TBitfieldWidget</name>
    <message>
        <source>Value:</source>
        <translation>Valeur :</translation>
    </message>
    <message>
        <source>A decimal number, or hexadecimal after 0x</source>
        <translation>Un nombre décimal, ou hexadécimal après 0x</translation>
    </message>
    <message>
        <source>Not a hexadecimal pattern of at most 32 bits: %1</source>
        <translation>Pas un motif hexadécimal d’au plus 32 bits : %1</translation>
    </message>
    <message>
        <source>Bit pattern value</source>
        <translation>Valeur du motif binaire</translation>
    </message>
    <message>
        <source>Bit %1</source>
        <translation>Bit %1</translation>
    </message>
</context>
<context>
    <name>TComparisonView</name>
    <message>
        <source>Same values in the reference</source>
        <translation>Mêmes valeurs dans la référence</translation>
    </message>
    <message>
        <source>Other values in the reference</source>
        <translation>Autres valeurs dans la référence</translation>
    </message>
    <message>
        <source>Not in the reference</source>
        <translation>Absent de la référence</translation>
    </message>
    <message>
        <source>Only in the reference: not in the loaded list, nothing to edit</source>
        <translation>Uniquement dans la référence : absent de la liste chargée, rien à modifier</translation>
    </message>
    <message>
        <source>Compare With…</source>
        <translation>Comparer avec…</translation>
    </message>
    <message>
        <source>Compare the list with a reference parameter file</source>
        <translation>Comparer la liste avec un fichier de paramètres de référence</translation>
    </message>
    <message>
        <source>Clear Comparison</source>
        <translation>Terminer la comparaison</translation>
    </message>
    <message>
        <source>End the comparison with the reference</source>
        <translation>Terminer la comparaison avec la référence</translation>
    </message>
    <message>
        <source>Use Reference Value</source>
        <translation>Utiliser la valeur de référence</translation>
    </message>
    <message>
        <source>Give the selected parameter the reference&apos;s values</source>
        <translation>Donner au paramètre sélectionné les valeurs de la référence</translation>
    </message>
    <message>
        <source>Differences only</source>
        <translation>Différences seulement</translation>
    </message>
    <message>
        <source>List only the parameters whose values differ from the reference or that one of the two lists lacks</source>
        <translation>Lister uniquement les paramètres dont les valeurs diffèrent de la référence ou qui manquent dans l&apos;une des deux listes</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Référence</translation>
    </message>
    <message>
        <source>Loaded</source>
        <translation>Chargé</translation>
    </message>
    <message>
        <source>Reference: %1</source>
        <translation>Référence : %1</translation>
    </message>
    <message>
        <source>1 differs</source>
        <translation>1 différent</translation>
    </message>
    <message>
        <source>%1 differ</source>
        <translation>%1 différents</translation>
    </message>
    <message>
        <source>The reference holds the same values.</source>
        <translation>La référence contient les mêmes valeurs.</translation>
    </message>
    <message>
        <source>The reference holds other values.</source>
        <translation>La référence contient d&apos;autres valeurs.</translation>
    </message>
    <message>
        <source>The reference holds other values, not usable here: %1</source>
        <translation>La référence contient d&apos;autres valeurs, inutilisables ici : %1</translation>
    </message>
    <message>
        <source>The reference has no such parameter.</source>
        <translation>La référence n&apos;a pas ce paramètre.</translation>
    </message>
    <message>
        <source>Only the reference holds this parameter; there is nothing to edit.</source>
        <translation>Seule la référence contient ce paramètre ; il n&apos;y a rien à modifier.</translation>
    </message>
    <message>
        <source>reference value of %1</source>
        <translation>valeur de référence de %1</translation>
    </message>
    <message>
        <source>Reference values</source>
        <translation>Valeurs de référence</translation>
    </message>
    <message>
        <source>The selected parameter&apos;s values in the loaded list and in the reference</source>
        <translation>Les valeurs du paramètre sélectionné dans la liste chargée et dans la référence</translation>
    </message>
</context>
<context>
    <name>TCopyRulesDialog</name>
    <message>
        <source>Copy Rules</source>
        <translation>Copier les règles</translation>
    </message>
    <message>
        <source>Target Group:</source>
        <translation>Groupe cible :</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Target group</source>
        <translation>Groupe cible</translation>
    </message>
    <message>
        <source>The rule group the selected rules are copied into</source>
        <translation>Le groupe de règles dans lequel les règles sélectionnées sont copiées</translation>
    </message>
</context>
<context>
    <name>TCreateGroupDialog</name>
    <message>
        <source>Create Group</source>
        <translation>Créer un groupe</translation>
    </message>
    <message>
        <source>Group Name:</source>
        <translation>Nom du groupe :</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Group name</source>
        <translation>Nom du groupe</translation>
    </message>
</context>
<context>
    <name>TEditHistory</name>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Revert Parameter</source>
        <translation>Rétablir le paramètre</translation>
    </message>
    <message>
        <source>Return the selected parameter to its loaded values</source>
        <translation>Rendre au paramètre sélectionné ses valeurs chargées</translation>
    </message>
    <message>
        <source>Revert All Changes</source>
        <translation>Annuler toutes les modifications</translation>
    </message>
    <message>
        <source>Return every changed parameter to its loaded values</source>
        <translation>Rendre à chaque paramètre modifié ses valeurs chargées</translation>
    </message>
    <message>
        <source>edit of %1</source>
        <translation>modification de %1</translation>
    </message>
    <message>
        <source>revert of %1</source>
        <translation>rétablissement de %1</translation>
    </message>
    <message>
        <source>Revert all changes?</source>
        <translation>Annuler toutes les modifications ?</translation>
    </message>
    <message>
        <source>%1 changed parameters return to their loaded values.</source>
        <translation>%1 paramètres modifiés reprennent leurs valeurs chargées.</translation>
    </message>
    <message>
        <source>revert of all changes</source>
        <translation>annulation de toutes les modifications</translation>
    </message>
</context>
<context>
    <name>TExportOptionsDialog</name>
    <message>
        <source>Export Options</source>
        <translation>Options d&apos;exportation</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>Export changed items only</source>
        <translation>Exporter uniquement les éléments modifiés</translation>
    </message>
    <message>
        <source>Export all data</source>
        <translation>Exporter toutes les données</translation>
    </message>
    <message>
        <source>Include original values for changed items</source>
        <translation>Inclure les valeurs d&apos;origine des éléments modifiés</translation>
    </message>
    <message>
        <source>Output format matches input format</source>
        <translation>Format de sortie identique au format d&apos;entrée</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
</context>
<context>
    <name>TExpression</name>
    <message>
        <source>A closing bracket has no opening bracket before it.</source>
        <translation>Une parenthèse fermante n’a pas de parenthèse ouvrante avant elle.</translation>
    </message>
    <message>
        <source>A bracket is not closed.</source>
        <translation>Une parenthèse n’est pas fermée.</translation>
    </message>
    <message>
        <source>%1 brackets are not closed.</source>
        <translation>%1 parenthèses ne sont pas fermées.</translation>
    </message>
    <message>
        <source>Brackets are nested more than %1 deep.</source>
        <translation>Les parenthèses sont imbriquées sur plus de %1 niveaux.</translation>
    </message>
    <message>
        <source>The character &quot;%1&quot; has no meaning in an expression.</source>
        <translation>Le caractère « %1 » n’a pas de sens dans une expression.</translation>
    </message>
    <message>
        <source>%1 takes its argument in brackets, as in %1(4).</source>
        <translation>%1 prend son argument entre parenthèses, comme dans %1(4).</translation>
    </message>
    <message>
        <source>Numbers are written without an exponent: %1%2 cannot be read.</source>
        <translation>Les nombres s’écrivent sans exposant : %1%2 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>Unknown name: %1.</source>
        <translation>Nom inconnu : %1.</translation>
    </message>
    <message>
        <source>An operator is missing between two values.</source>
        <translation>Il manque un opérateur entre deux valeurs.</translation>
    </message>
    <message>
        <source>The number %1 cannot be read.</source>
        <translation>Le nombre %1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>Nothing stands before the operator %1.</source>
        <translation>Rien ne précède l’opérateur %1.</translation>
    </message>
    <message>
        <source>The operators %1 and %2 stand together; write a negative number in brackets, as in 2*(-3).</source>
        <translation>Les opérateurs %1 et %2 se suivent ; écrivez un nombre négatif entre parenthèses, comme dans 2*(-3).</translation>
    </message>
    <message>
        <source>A comma separates the values of SUMSQ( ) only.</source>
        <translation>Une virgule ne sépare que les valeurs de SUMSQ( ).</translation>
    </message>
    <message>
        <source>A value of SUMSQ( ) is missing.</source>
        <translation>Une valeur de SUMSQ( ) manque.</translation>
    </message>
    <message>
        <source>SUMSQ( ) with several values cannot stand inside SUMSQ( ).</source>
        <translation>SUMSQ( ) à plusieurs valeurs ne peut pas figurer dans SUMSQ( ).</translation>
    </message>
    <message>
        <source>The expression cannot be evaluated.</source>
        <translation>L’expression ne peut pas être évaluée.</translation>
    </message>
    <message>
        <source>Nothing follows the operator %1.</source>
        <translation>Rien ne suit l’opérateur %1.</translation>
    </message>
    <message>
        <source>The expression is empty.</source>
        <translation>L’expression est vide.</translation>
    </message>
    <message>
        <source>Empty brackets hold no value.</source>
        <translation>Des parenthèses vides ne contiennent aucune valeur.</translation>
    </message>
    <message>
        <source>SQRT( ) needs a value in its brackets.</source>
        <translation>SQRT( ) demande une valeur entre ses parenthèses.</translation>
    </message>
    <message>
        <source>The names in the expression grow too long when their values are written in.</source>
        <translation>Les noms de l’expression deviennent trop longs une fois leurs valeurs substituées.</translation>
    </message>
    <message>
        <source>The value of %1 is not a finite number.</source>
        <translation>La valeur de %1 n’est pas un nombre fini.</translation>
    </message>
</context>
<context>
    <name>TExpressionEdit</name>
    <message>
        <source>Names that complete the expression</source>
        <translation>Noms qui complètent l&apos;expression</translation>
    </message>
</context>
<context>
    <name>TFileState</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>Write the changed values back into the parameter file</source>
        <translation>Réécrire les valeurs modifiées dans le fichier de paramètres</translation>
    </message>
    <message>
        <source>Write the parameter file with its changed values to another file</source>
        <translation>Écrire le fichier de paramètres avec ses valeurs modifiées dans un autre fichier</translation>
    </message>
    <message>
        <source>Machine Constants Files (*.asc)</source>
        <translation>Fichiers de constantes machine (*.asc)</translation>
    </message>
    <message>
        <source>Parameter Settings Files (*.xml)</source>
        <translation>Fichiers de réglages de paramètres (*.xml)</translation>
    </message>
    <message>
        <source>Save Parameter File As</source>
        <translation>Enregistrer le fichier de paramètres sous</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1 ?</translation>
    </message>
    <message>
        <source>The values changed since the file was last saved are lost otherwise.</source>
        <translation>Sinon, les valeurs modifiées depuis le dernier enregistrement sont perdues.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1 has changed on disk since it was read.</source>
        <translation>%1 a été modifié sur le disque depuis sa lecture.</translation>
    </message>
    <message>
        <source>Overwrite replaces what is there now with the loaded values and yours; Save As… keeps it.</source>
        <translation>Écraser remplace le contenu actuel par les valeurs chargées et les vôtres ; Enregistrer sous… le conserve.</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Enregistrer sous…</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Écraser</translation>
    </message>
    <message>
        <source>%1 no longer exists.</source>
        <translation>%1 n’existe plus.</translation>
    </message>
    <message>
        <source>It was moved or deleted since it was read. Write Anew writes the loaded values and yours there again.</source>
        <translation>Le fichier a été déplacé ou supprimé depuis sa lecture. Réécrire y écrit à nouveau les valeurs chargées et les vôtres.</translation>
    </message>
    <message>
        <source>Write Anew</source>
        <translation>Réécrire</translation>
    </message>
    <message>
        <source>ERR:  %1</source>
        <translation>ERR :  %1</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 enregistré</translation>
    </message>
    <message>
        <source>Saved %1; the file as it was is kept as %2</source>
        <translation>%1 enregistré ; le fichier tel qu’il était est conservé sous %2</translation>
    </message>
    <message>
        <source>The parameter file was not saved.</source>
        <translation>Le fichier de paramètres n’a pas été enregistré.</translation>
    </message>
</context>
<context>
    <name>THelpMenu</name>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Raccourcis clavier</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>&amp;About Vantrel</source>
        <translation>À &amp;propos de Vantrel</translation>
    </message>
    <message>
        <source>List every keyboard shortcut of the window</source>
        <translation>Lister tous les raccourcis clavier de la fenêtre</translation>
    </message>
    <message>
        <source>Open the user guide</source>
        <translation>Ouvrir le guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Version, licence and the folder of settings and rules</source>
        <translation>Version, licence et dossier des réglages et des règles</translation>
    </message>
    <message>
        <source>The user guide is not installed. It is part of the program&apos;s documentation, in the file user-guide.html.</source>
        <translation>Le guide de l&apos;utilisateur n&apos;est pas installé. Il fait partie de la documentation du programme, dans le fichier user-guide.html.</translation>
    </message>
</context>
<context>
    <name>TLoadWarningsDialog</name>
    <message>
        <source>Load Warnings</source>
        <translation>Avertissements de chargement</translation>
    </message>
    <message>
        <source>Load warnings</source>
        <translation>Avertissements de chargement</translation>
    </message>
    <message>
        <source>&amp;Copy All</source>
        <translation>&amp;Tout copier</translation>
    </message>
    <message>
        <source>Reading %1 cut or left out these places; the list holds what was read:</source>
        <translation>La lecture de %1 a tronqué ou omis ces endroits ; la liste contient ce qui a été lu :</translation>
    </message>
</context>
<context>
    <name>TMessageBox</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>TParameterComparison</name>
    <message>
        <source>%1 values instead of %2.</source>
        <translation>%1 valeurs au lieu de %2.</translation>
    </message>
</context>
<context>
    <name>TParameters</name>
    <message>
        <source>the file declares UTF-8 but holds bytes that are not UTF-8</source>
        <translation>le fichier déclare UTF-8 mais contient des octets qui ne sont pas de l’UTF-8</translation>
    </message>
    <message>
        <source>no value read</source>
        <translation>aucune valeur lue</translation>
    </message>
    <message>
        <source>%1 value read</source>
        <translation>%1 valeur lue</translation>
    </message>
    <message>
        <source>%1 values read</source>
        <translation>%1 valeurs lues</translation>
    </message>
    <message>
        <source>the value on line %1 could not be found in its bytes</source>
        <translation>la valeur de la ligne %1 est introuvable dans ses octets</translation>
    </message>
    <message>
        <source>the key may have lost its first letter: %1 stands before it where a blank belongs</source>
        <translation>la clé a peut-être perdu sa première lettre : %1 la précède là où doit se trouver un espace</translation>
    </message>
    <message>
        <source>(no key)</source>
        <translation>(sans clé)</translation>
    </message>
    <message>
        <source> is no integer; </source>
        <translation> n’est pas un entier ; </translation>
    </message>
    <message>
        <source> is no number; </source>
        <translation> n’est pas un nombre ; </translation>
    </message>
    <message>
        <source>, the type word says %1</source>
        <translation>, le mot de type indique %1</translation>
    </message>
    <message>
        <source>unknown type word %1; the entry is left out</source>
        <translation>mot de type %1 inconnu ; l’entrée est ignorée</translation>
    </message>
    <message>
        <source>no type word; the entry is left out</source>
        <translation>pas de mot de type ; l’entrée est ignorée</translation>
    </message>
    <message>
        <source>the file ends inside this header line</source>
        <translation>le fichier se termine dans cette ligne d’en-tête</translation>
    </message>
    <message>
        <source>, the entry is left out</source>
        <translation>, l’entrée est ignorée</translation>
    </message>
    <message>
        <source>its text is in UTF-16 or UTF-32, which is read but not written</source>
        <translation>son texte est en UTF-16 ou UTF-32, lu mais pas écrit</translation>
    </message>
    <message>
        <source>the list does not match the file it was read from</source>
        <translation>la liste ne correspond pas au fichier dont elle a été lue</translation>
    </message>
    <message>
        <source>%1 is not in the file</source>
        <translation>%1 n’est pas dans le fichier</translation>
    </message>
    <message>
        <source>%1 holds %2 values where the file has %3</source>
        <translation>%1 contient %2 valeurs là où le fichier en a %3</translation>
    </message>
    <message>
        <source>the places of two values overlap</source>
        <translation>les emplacements de deux valeurs se chevauchent</translation>
    </message>
    <message>
        <source>%1 has no value %2.</source>
        <translation>%1 n’a pas de valeur %2.</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossible d’ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>File %1 is too small to be a parameter file.</source>
        <translation>Le fichier %1 est trop petit pour être un fichier de paramètres.</translation>
    </message>
    <message>
        <source>Unable to determine type of parameter file</source>
        <translation>Impossible de déterminer le type du fichier de paramètres</translation>
    </message>
    <message>
        <source>: the key is also on line %1; the first is kept</source>
        <translation> : la clé figure aussi à la ligne %1 ; la première est conservée</translation>
    </message>
    <message>
        <source>: the key is in the list already; the first is kept</source>
        <translation> : la clé est déjà dans la liste ; la première est conservée</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>no parameter file was read</source>
        <translation>aucun fichier de paramètres n’a été lu</translation>
    </message>
    <message>
        <source>the file would no longer open as a parameter file (%1 bytes, too few to tell its format)</source>
        <translation>le fichier ne s’ouvrirait plus comme fichier de paramètres (%1 octets, trop peu pour en reconnaître le format)</translation>
    </message>
    <message>
        <source>read back, the file would not read: %1</source>
        <translation>relu, le fichier ne se lirait pas : %1</translation>
    </message>
    <message>
        <source>read back, %1</source>
        <translation>relu, %1</translation>
    </message>
    <message>
        <source>read back, %1 would be of type %2 instead of %3</source>
        <translation>relu, %1 serait de type %2 au lieu de %3</translation>
    </message>
    <message>
        <source>read back, %1 would hold %2 instead of %3</source>
        <translation>relu, %1 contiendrait %2 au lieu de %3</translation>
    </message>
    <message>
        <source>read back, %1 would stand where %2 does</source>
        <translation>relu, %1 se trouverait à la place de %2</translation>
    </message>
    <message>
        <source>the list ends</source>
        <translation>la liste se termine</translation>
    </message>
    <message>
        <source>read back, the file would not hold %1</source>
        <translation>relu, le fichier ne contiendrait pas %1</translation>
    </message>
    <message>
        <source>Cannot save the parameter file: %1</source>
        <translation>Impossible d’enregistrer le fichier de paramètres : %1</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>Impossible d’enregistrer %1 : %2</translation>
    </message>
    <message>
        <source>Cannot keep the backup %1: %2</source>
        <translation>Impossible de conserver la sauvegarde %1 : %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>the bytes of its file were let go after reading</source>
        <translation>les octets de son fichier ont été libérés après la lecture</translation>
    </message>
    <message>
        <source>Cannot write the parameters: %1</source>
        <translation>Impossible d’écrire les paramètres : %1</translation>
    </message>
    <message>
        <source>none of the parameters is in the list</source>
        <translation>aucun des paramètres n’est dans la liste</translation>
    </message>
    <message>
        <source>the file&apos;s root element was not found</source>
        <translation>l’élément racine du fichier est introuvable</translation>
    </message>
    <message>
        <source>the element of %1 was not found</source>
        <translation>l’élément de %1 est introuvable</translation>
    </message>
    <message>
        <source>read back, %1 would be in the file</source>
        <translation>relu, %1 serait dans le fichier</translation>
    </message>
    <message>
        <source>read back, %1 would not hold its values</source>
        <translation>relu, %1 ne contiendrait pas ses valeurs</translation>
    </message>
    <message>
        <source>Value_%1 stands before Value_%2; the values are taken in file order</source>
        <translation>Value_%1 précède Value_%2 ; les valeurs sont prises dans l’ordre du fichier</translation>
    </message>
    <message>
        <source>: no value; the entry is left out</source>
        <translation> : aucune valeur ; l’entrée est ignorée</translation>
    </message>
    <message>
        <source>a character XML cannot carry (U+%1)</source>
        <translation>un caractère que XML ne peut pas porter (U+%1)</translation>
    </message>
    <message>
        <source>a text the file&apos;s encoding %1 cannot write</source>
        <translation>un texte que l’encodage %1 du fichier ne peut pas écrire</translation>
    </message>
    <message>
        <source>its encoding %1 is read but not written</source>
        <translation>son encodage %1 est lu mais pas écrit</translation>
    </message>
    <message>
        <source>the places of its values could not be found</source>
        <translation>les emplacements de ses valeurs sont introuvables</translation>
    </message>
    <message>
        <source>the places of the values of %1 could not be found</source>
        <translation>les emplacements des valeurs de %1 sont introuvables</translation>
    </message>
    <message>
        <source>the place of value %1 of %2 could not be found</source>
        <translation>l’emplacement de la valeur %1 de %2 est introuvable</translation>
    </message>
    <message>
        <source>%1: value %2</source>
        <translation>%1 : valeur %2</translation>
    </message>
    <message>
        <source> is a processing instruction, which holds no text</source>
        <translation> est une instruction de traitement, qui ne contient pas de texte</translation>
    </message>
    <message>
        <source> holds </source>
        <translation> contient </translation>
    </message>
</context>
<context>
    <name>TRecentFiles</name>
    <message>
        <source>Clear Recent</source>
        <translation>Effacer la liste</translation>
    </message>
</context>
<context>
    <name>TRuleEditorDialog</name>
    <message>
        <source>Rule Editor</source>
        <translation>Éditeur de règles</translation>
    </message>
    <message>
        <source>Add Rule</source>
        <translation>Ajouter une règle</translation>
    </message>
    <message>
        <source>Edit Rule</source>
        <translation>Modifier la règle</translation>
    </message>
    <message>
        <source>Delete Rule</source>
        <translation>Supprimer la règle</translation>
    </message>
    <message>
        <source>Copy Rule</source>
        <translation>Copier la règle</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Cannot add new rule entry.</source>
        <translation>Impossible d&apos;ajouter la nouvelle règle.</translation>
    </message>
    <message>
        <source>Cannot edit existing rule.</source>
        <translation>Impossible de modifier la règle.</translation>
    </message>
    <message>
        <source>No rule selected</source>
        <translation>Aucune règle sélectionnée</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Delete selected rules?</source>
        <translation>Supprimer les règles sélectionnées ?</translation>
    </message>
    <message>
        <source>Overwrite Existing Rules</source>
        <translation>Écraser les règles existantes</translation>
    </message>
    <message>
        <source>Do you want to overwrite existing rules in target group (if they exist)?</source>
        <translation>Voulez-vous écraser les règles existantes du groupe cible (s&apos;il y en a) ?</translation>
    </message>
    <message>
        <source>Rules of the group</source>
        <translation>Règles du groupe</translation>
    </message>
</context>
<context>
    <name>TRuleItemDialog</name>
    <message>
        <source>Left expression</source>
        <translation>Expression de gauche</translation>
    </message>
    <message>
        <source>Right expression</source>
        <translation>Expression de droite</translation>
    </message>
    <message>
        <source>= %1</source>
        <translation>= %1</translation>
    </message>
    <message>
        <source>Outcome: %1</source>
        <translation>Résultat : %1</translation>
    </message>
    <message>
        <source>Rule Item Editor</source>
        <translation>Édition de la règle</translation>
    </message>
    <message>
        <source>Rule Name:</source>
        <translation>Nom de la règle :</translation>
    </message>
    <message>
        <source>Left Expression:</source>
        <translation>Expression de gauche :</translation>
    </message>
    <message>
        <source>Operator:</source>
        <translation>Opérateur :</translation>
    </message>
    <message>
        <source>Right Expression:</source>
        <translation>Expression de droite :</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Note:  Result of &lt;span style=&quot; font-weight:600; font-style:italic;&quot;&gt;[Left Expression] &amp;lt;operator&amp;gt; [Right Expression]&lt;/span&gt; must be true.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Remarque :  le résultat de &lt;span style=&quot; font-weight:600; font-style:italic;&quot;&gt;[Expression de gauche] &amp;lt;opérateur&amp;gt; [Expression de droite]&lt;/span&gt; doit être vrai.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>The rule %1.</source>
        <translation>La règle %1.</translation>
    </message>
    <message>
        <source>Enter a name for the rule.</source>
        <translation>Saisissez un nom pour la règle.</translation>
    </message>
    <message>
        <source>The name is longer than %1 characters.</source>
        <translation>Le nom dépasse %1 caractères.</translation>
    </message>
    <message>
        <source>The group has a rule named &quot;%1&quot; already.</source>
        <translation>Le groupe a déjà une règle nommée « %1 ».</translation>
    </message>
    <message>
        <source>Choose an operator.</source>
        <translation>Choisissez un opérateur.</translation>
    </message>
    <message>
        <source>Enter the left expression.</source>
        <translation>Saisissez l&apos;expression de gauche.</translation>
    </message>
    <message>
        <source>Enter the right expression.</source>
        <translation>Saisissez l&apos;expression de droite.</translation>
    </message>
    <message>
        <source>Rule name</source>
        <translation>Nom de la règle</translation>
    </message>
</context>
<context>
    <name>TRuleOperator</name>
    <message>
        <source>Less Than</source>
        <translation>Inférieur à</translation>
    </message>
    <message>
        <source>Left Exp. Less Than Right Exp.</source>
        <translation>Expr. gauche inférieure à expr. droite</translation>
    </message>
    <message>
        <source>passes when left &lt;= right</source>
        <translation>réussit si gauche &lt;= droite</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Égal à</translation>
    </message>
    <message>
        <source>Left Exp. Equals Right Exp.</source>
        <translation>Expr. gauche égale à expr. droite</translation>
    </message>
    <message>
        <source>passes when left and right differ by at most 0.000001</source>
        <translation>réussit si gauche et droite diffèrent d&apos;au plus 0.000001</translation>
    </message>
    <message>
        <source>Greater Than</source>
        <translation>Supérieur à</translation>
    </message>
    <message>
        <source>Left Exp. Greater Than Right Exp.</source>
        <translation>Expr. gauche supérieure à expr. droite</translation>
    </message>
    <message>
        <source>passes when left &gt;= right</source>
        <translation>réussit si gauche &gt;= droite</translation>
    </message>
    <message>
        <source>Not Less Than</source>
        <translation>Non inférieur à</translation>
    </message>
    <message>
        <source>Left Exp. Not Less Than Right Exp.</source>
        <translation>Expr. gauche non inférieure à expr. droite</translation>
    </message>
    <message>
        <source>passes when left &gt; right</source>
        <translation>réussit si gauche &gt; droite</translation>
    </message>
    <message>
        <source>Not Equals</source>
        <translation>Différent de</translation>
    </message>
    <message>
        <source>Left Exp. Not Equal To Right Exp.</source>
        <translation>Expr. gauche différente de expr. droite</translation>
    </message>
    <message>
        <source>passes when left and right differ by at least 0.000001</source>
        <translation>réussit si gauche et droite diffèrent d&apos;au moins 0.000001</translation>
    </message>
    <message>
        <source>Not Greater Than</source>
        <translation>Non supérieur à</translation>
    </message>
    <message>
        <source>Left Exp. Not Greater Than Right Exp.</source>
        <translation>Expr. gauche non supérieure à expr. droite</translation>
    </message>
    <message>
        <source>passes when left &lt; right</source>
        <translation>réussit si gauche &lt; droite</translation>
    </message>
</context>
<context>
    <name>TRuleOutcomes</name>
    <message>
        <source>Failing rules only</source>
        <translation>Règles en échec seulement</translation>
    </message>
    <message>
        <source>List only the parameters read by a failing or invalid rule of the group on show</source>
        <translation>N’afficher que les paramètres lus par une règle en échec ou invalide du groupe affiché</translation>
    </message>
    <message>
        <source>Rules using this parameter</source>
        <translation>Règles utilisant ce paramètre</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Règle</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Résultat</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>Read by failing or invalid rules: %1</source>
        <translation>Lu par des règles en échec ou invalides : %1</translation>
    </message>
    <message>
        <source>No rule of the group reads this parameter.</source>
        <translation>Aucune règle du groupe ne lit ce paramètre.</translation>
    </message>
</context>
<context>
    <name>TRuleRun</name>
    <message>
        <source>%1 passed, %2 failed, %3 invalid</source>
        <translation>%1 réussies, %2 en échec, %3 invalides</translation>
    </message>
    <message>
        <source>invalid</source>
        <translation>invalide</translation>
    </message>
    <message>
        <source>Evaluating Rules...</source>
        <translation>Évaluation des règles...</translation>
    </message>
    <message>
        <source>
Rule: &apos;%1&apos;</source>
        <translation>
Règle : &apos;%1&apos;</translation>
    </message>
    <message>
        <source>  ERR:  Left expression invalid.</source>
        <translation>  ERR :  Expression de gauche invalide.</translation>
    </message>
    <message>
        <source>The left expression cannot be evaluated</source>
        <translation>L’expression de gauche ne peut pas être évaluée</translation>
    </message>
    <message>
        <source>  Left expression value: %1</source>
        <translation>  Valeur de l’expression de gauche : %1</translation>
    </message>
    <message>
        <source>The left value is not a finite number (%1)</source>
        <translation>La valeur de gauche n’est pas un nombre fini (%1)</translation>
    </message>
    <message>
        <source>  ERR:  Right expression invalid.</source>
        <translation>  ERR :  Expression de droite invalide.</translation>
    </message>
    <message>
        <source>The right expression cannot be evaluated</source>
        <translation>L’expression de droite ne peut pas être évaluée</translation>
    </message>
    <message>
        <source>  Right expression value: %1</source>
        <translation>  Valeur de l’expression de droite : %1</translation>
    </message>
    <message>
        <source>The right value is not a finite number (%1)</source>
        <translation>La valeur de droite n’est pas un nombre fini (%1)</translation>
    </message>
    <message>
        <source>  OPER:  Left %1 Right</source>
        <translation>  OPER :  Gauche %1 Droite</translation>
    </message>
    <message>
        <source>* FAIL *</source>
        <translation>* ÉCHEC *</translation>
    </message>
</context>
<context>
    <name>TRuleTable</name>
    <message>
        <source>Rule</source>
        <translation>Règle</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Opérateur</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Résultat</translation>
    </message>
</context>
<context>
    <name>TRules</name>
    <message>
        <source>Rule not found</source>
        <translation>Règle introuvable</translation>
    </message>
    <message>
        <source>Rule name is empty</source>
        <translation>Le nom de la règle est vide</translation>
    </message>
    <message>
        <source>Rule item holds a character that the rules file cannot store</source>
        <translation>La règle contient un caractère que le fichier de règles ne peut pas stocker</translation>
    </message>
    <message>
        <source>Operator type not recognized</source>
        <translation>Type d’opérateur non reconnu</translation>
    </message>
    <message>
        <source>Source rule group not found</source>
        <translation>Groupe de règles source introuvable</translation>
    </message>
    <message>
        <source>Rule item already exists</source>
        <translation>La règle existe déjà</translation>
    </message>
    <message>
        <source>Rule group not found</source>
        <translation>Groupe de règles introuvable</translation>
    </message>
    <message>
        <source>Group name already exists</source>
        <translation>Le nom de groupe existe déjà</translation>
    </message>
    <message>
        <source>Group name is empty</source>
        <translation>Le nom de groupe est vide</translation>
    </message>
    <message>
        <source>Group name holds a character that the rules file cannot store</source>
        <translation>Le nom de groupe contient un caractère que le fichier de règles ne peut pas stocker</translation>
    </message>
    <message>
        <source>ERR:  Rules file &apos;%1&apos; has a file version this program does not read</source>
        <translation>ERR :  Le fichier de règles &apos;%1&apos; a une version que ce programme ne lit pas</translation>
    </message>
    <message>
        <source>No file name is given for the exported rule group</source>
        <translation>Aucun nom de fichier n’est donné pour le groupe de règles exporté</translation>
    </message>
    <message>
        <source>ERR:  Rules file &apos;%1&apos; holds a character that the rules file cannot store</source>
        <translation>ERR :  Le fichier de règles &apos;%1&apos; contient un caractère que le fichier de règles ne peut pas stocker</translation>
    </message>
    <message>
        <source>No directory is set for the rules file</source>
        <translation>Aucun dossier n’est défini pour le fichier de règles</translation>
    </message>
    <message>
        <source>The rules file &apos;%1&apos; could not be read and was kept; a copy of it could not be made as &apos;%2&apos; (%3), so it was not overwritten</source>
        <translation>Le fichier de règles &apos;%1&apos; n’a pas pu être lu et a été conservé ; sa copie &apos;%2&apos; n’a pas pu être faite (%3), il n’a donc pas été écrasé</translation>
    </message>
</context>
<context>
    <name>TRulesPane</name>
    <message>
        <source>Rules:</source>
        <translation>Règles :</translation>
    </message>
    <message>
        <source>Create rule group</source>
        <translation>Créer un groupe de règles</translation>
    </message>
    <message>
        <source>Remove rule group</source>
        <translation>Supprimer le groupe de règles</translation>
    </message>
    <message>
        <source>Edit rules</source>
        <translation>Modifier les règles</translation>
    </message>
    <message>
        <source>Execute rules</source>
        <translation>Exécuter les règles</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Delete selected group of rules?</source>
        <translation>Supprimer le groupe de règles sélectionné ?</translation>
    </message>
    <message>
        <source>A rule group named &quot;%1&quot; exists already.</source>
        <translation>Un groupe de règles nommé « %1 » existe déjà.</translation>
    </message>
    <message>
        <source>Replace it with the imported group, keep both (the imported one as &quot;%1&quot;) or skip the imported group?</source>
        <translation>La remplacer par le groupe importé, garder les deux (le groupe importé sous le nom « %1 ») ou ignorer le groupe importé ?</translation>
    </message>
    <message>
        <source>Keep Both</source>
        <translation>Garder les deux</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>The rules could not be imported from %1: %2</source>
        <translation>Les règles n&apos;ont pas pu être importées de %1 : %2</translation>
    </message>
    <message>
        <source>The rule group &quot;%1&quot; could not be exported to %2: %3</source>
        <translation>Le groupe de règles « %1 » n&apos;a pas pu être exporté vers %2 : %3</translation>
    </message>
    <message>
        <source>The report could not be saved to %1: %2</source>
        <translation>Le rapport n&apos;a pas pu être enregistré dans %1 : %2</translation>
    </message>
    <message>
        <source>Rule group</source>
        <translation>Groupe de règles</translation>
    </message>
    <message>
        <source>Rule report</source>
        <translation>Rapport des règles</translation>
    </message>
    <message>
        <source>The outcome of the last run of the rule group</source>
        <translation>Le résultat de la dernière exécution du groupe de règles</translation>
    </message>
    <message>
        <source>Rule outcomes</source>
        <translation>Résultats des règles</translation>
    </message>
    <message>
        <source>The rules of the group with their outcomes as the values stand</source>
        <translation>Les règles du groupe avec leurs résultats pour les valeurs actuelles</translation>
    </message>
    <message>
        <source>The rule &quot;%1&quot; could not be changed.</source>
        <translation>La règle « %1 » n’a pas pu être modifiée.</translation>
    </message>
</context>
<context>
    <name>TRunReport</name>
    <message>
        <source>(none loaded)</source>
        <translation>(aucun chargé)</translation>
    </message>
    <message>
        <source>Parameter file</source>
        <translation>Fichier de paramètres</translation>
    </message>
    <message>
        <source>Rule group</source>
        <translation>Groupe de règles</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Date et heure</translation>
    </message>
    <message>
        <source>Parameter file: %1</source>
        <translation>Fichier de paramètres : %1</translation>
    </message>
    <message>
        <source>Rule group:     %1</source>
        <translation>Groupe de règles :     %1</translation>
    </message>
    <message>
        <source>Date and time:  %1</source>
        <translation>Date et heure :  %1</translation>
    </message>
    <message>
        <source>The values checked are not those of the file on disk.</source>
        <translation>Les valeurs vérifiées ne sont pas celles du fichier sur le disque.</translation>
    </message>
    <message>
        <source>These parameters were edited and not saved (value in the file -&gt; value checked):</source>
        <translation>Ces paramètres ont été modifiés et non enregistrés (valeur dans le fichier -&gt; valeur vérifiée) :</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Règle</translation>
    </message>
    <message>
        <source>Left value</source>
        <translation>Valeur de gauche</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Opérateur</translation>
    </message>
    <message>
        <source>Right value</source>
        <translation>Valeur de droite</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>A PDF report is laid out by the window</source>
        <translation>Un rapport PDF est mis en page par la fenêtre</translation>
    </message>
    <message>
        <source>Rule Report</source>
        <translation>Rapport des règles</translation>
    </message>
    <message>
        <source>These parameters were edited and not saved:</source>
        <translation>Ces paramètres ont été modifiés et non enregistrés :</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Paramètre</translation>
    </message>
    <message>
        <source>Value in the file</source>
        <translation>Valeur dans le fichier</translation>
    </message>
    <message>
        <source>Value checked</source>
        <translation>Valeur vérifiée</translation>
    </message>
    <message>
        <source>Rule Report: %1</source>
        <translation>Rapport des règles : %1</translation>
    </message>
</context>
<context>
    <name>TShortcutsDialog</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Raccourci</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
</context>
<context>
    <name>TTakeValuesDialog</name>
    <message>
        <source>Take Values</source>
        <translation>Reprendre des valeurs</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Clé</translation>
    </message>
    <message>
        <source>Current Values</source>
        <translation>Valeurs actuelles</translation>
    </message>
    <message>
        <source>New Values</source>
        <translation>Nouvelles valeurs</translation>
    </message>
    <message>
        <source>These cannot be taken:</source>
        <translation>Celles-ci ne peuvent pas être reprises :</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Raison</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Values from %1</source>
        <translation>Valeurs de %1</translation>
    </message>
    <message>
        <source>Does not fit: %1</source>
        <translation>Ne convient pas : %1</translation>
    </message>
    <message>
        <source>Not in the file the values come from.</source>
        <translation>Absent du fichier dont viennent les valeurs.</translation>
    </message>
    <message>
        <source>Not in the loaded file.</source>
        <translation>Absent du fichier chargé.</translation>
    </message>
    <message>
        <source>%1 are the same already.</source>
        <translation>%1 sont déjà identiques.</translation>
    </message>
    <message>
        <source>Take %1 Values</source>
        <translation>Reprendre %1 valeurs</translation>
    </message>
    <message>
        <source>Values to take</source>
        <translation>Valeurs à reprendre</translation>
    </message>
    <message>
        <source>Only the ticked parameters take the new values</source>
        <translation>Seuls les paramètres cochés reprennent les nouvelles valeurs</translation>
    </message>
    <message>
        <source>Values that cannot be taken</source>
        <translation>Valeurs qui ne peuvent pas être reprises</translation>
    </message>
</context>
<context>
    <name>TUserGuideDialog</name>
    <message>
        <source>User Guide</source>
        <translation>Guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Guide de l&apos;utilisateur</translation>
    </message>
</context>
<context>
    <name>TValueTaking</name>
    <message>
        <source>Take Values From File…</source>
        <translation>Reprendre les valeurs d’un fichier…</translation>
    </message>
    <message>
        <source>Take values of another parameter file, whole or partial</source>
        <translation>Reprendre les valeurs d’un autre fichier de paramètres, complet ou partiel</translation>
    </message>
    <message>
        <source>Use All Reference Values</source>
        <translation>Utiliser toutes les valeurs de référence</translation>
    </message>
    <message>
        <source>Take every differing value of the reference</source>
        <translation>Reprendre chaque valeur différente de la référence</translation>
    </message>
    <message>
        <source>Save Changed Parameters As…</source>
        <translation>Enregistrer les paramètres modifiés sous…</translation>
    </message>
    <message>
        <source>Write the changed parameters as a partial file that other machines can take</source>
        <translation>Écrire les paramètres modifiés dans un fichier partiel que d’autres machines peuvent reprendre</translation>
    </message>
    <message>
        <source>Take Values From File</source>
        <translation>Reprendre les valeurs d’un fichier</translation>
    </message>
    <message>
        <source>Parameter Files (*.asc *.xml)</source>
        <translation>Fichiers de paramètres (*.asc *.xml)</translation>
    </message>
    <message>
        <source>Values were not taken from %1.</source>
        <translation>Aucune valeur n’a été reprise de %1.</translation>
    </message>
    <message>
        <source>values from %1</source>
        <translation>valeurs de %1</translation>
    </message>
    <message>
        <source>%1 values taken from %2</source>
        <translation>%1 valeurs reprises de %2</translation>
    </message>
    <message>
        <source>Save Changed Parameters As</source>
        <translation>Enregistrer les paramètres modifiés sous</translation>
    </message>
    <message>
        <source>Machine Constants Files (*.asc)</source>
        <translation>Fichiers de constantes machine (*.asc)</translation>
    </message>
    <message>
        <source>Parameter Settings Files (*.xml)</source>
        <translation>Fichiers de réglages de paramètres (*.xml)</translation>
    </message>
    <message>
        <source>Cannot save the changed parameters.</source>
        <translation>Impossible d’enregistrer les paramètres modifiés.</translation>
    </message>
    <message>
        <source>%1 changed parameters saved to %2</source>
        <translation>%1 paramètres modifiés enregistrés dans %2</translation>
    </message>
    <message>
        <source>ERR:  %1</source>
        <translation>ERR:  %1</translation>
    </message>
</context>
<context>
    <name>TValuesWidget</name>
    <message>
        <source>Index: %1</source>
        <translation>Indice : %1</translation>
    </message>
    <message>
        <source>Index:</source>
        <translation>Indice :</translation>
    </message>
    <message>
        <source>Value %1</source>
        <translation>Valeur %1</translation>
    </message>
</context>
<context>
    <name>TVantrel</name>
    <message>
        <source>Open Parameter File</source>
        <translation>Ouvrir un fichier de paramètres</translation>
    </message>
    <message>
        <source>Parameter Files (*.asc *.xml)</source>
        <translation>Fichiers de paramètres (*.asc *.xml)</translation>
    </message>
    <message>
        <source>Export Changes</source>
        <translation>Exporter les modifications</translation>
    </message>
    <message>
        <source>Text file (*.txt)</source>
        <translation>Fichier texte (*.txt)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Clear loaded parameter file?</source>
        <translation>Fermer le fichier de paramètres chargé ?</translation>
    </message>
    <message>
        <source>ERR:  %1</source>
        <translation>ERR :  %1</translation>
    </message>
    <message>
        <source>%1 no longer exists; removed from the recent files.</source>
        <translation>%1 n&apos;existe plus ; retiré des fichiers récents.</translation>
    </message>
    <message>
        <source>Compare With Reference File</source>
        <translation>Comparer avec un fichier de référence</translation>
    </message>
    <message>
        <source>Reference: %1</source>
        <translation>Référence : %1</translation>
    </message>
    <message>
        <source>Changed since loading</source>
        <translation>Modifié depuis le chargement</translation>
    </message>
    <message>
        <source>1 changed</source>
        <translation>1 modifié</translation>
    </message>
    <message>
        <source>%1 changed</source>
        <translation>%1 modifiés</translation>
    </message>
    <message>
        <source>Import Rules</source>
        <translation>Importer des règles</translation>
    </message>
    <message>
        <source>Rules Files (*.xml)</source>
        <translation>Fichiers de règles (*.xml)</translation>
    </message>
    <message>
        <source>Rules imported from %1</source>
        <translation>Règles importées de %1</translation>
    </message>
    <message>
        <source>ERR:  There is no rule group to export</source>
        <translation>ERR :  Aucun groupe de règles à exporter</translation>
    </message>
    <message>
        <source>Export Rule Group</source>
        <translation>Exporter le groupe de règles</translation>
    </message>
    <message>
        <source>Rule group exported to %1</source>
        <translation>Groupe de règles exporté vers %1</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Enregistrer le rapport</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;HTML (*.html *.htm);;Text (*.txt)</source>
        <translation>PDF (*.pdf);;HTML (*.html *.htm);;Texte (*.txt)</translation>
    </message>
    <message>
        <source>Report saved to %1</source>
        <translation>Rapport enregistré dans %1</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>Clear parameter list.</source>
        <translation>Vider la liste des paramètres.</translation>
    </message>
    <message>
        <source>Open parameter file.</source>
        <translation>Ouvrir un fichier de paramètres.</translation>
    </message>
    <message>
        <source>Execute rules</source>
        <translation>Exécuter les règles</translation>
    </message>
    <message>
        <source>Export changes</source>
        <translation>Exporter les modifications</translation>
    </message>
    <message>
        <source>Close vantrel utility.</source>
        <translation>Quitter Vantrel.</translation>
    </message>
    <message>
        <source>Edit rules</source>
        <translation>Modifier les règles</translation>
    </message>
    <message>
        <source>Add the rule groups of a rules file</source>
        <translation>Ajouter les groupes de règles d&apos;un fichier de règles</translation>
    </message>
    <message>
        <source>Write the selected rule group alone as a rules file</source>
        <translation>Écrire le groupe de règles sélectionné seul dans un fichier de règles</translation>
    </message>
    <message>
        <source>Save the last run as PDF, HTML or text</source>
        <translation>Enregistrer la dernière exécution en PDF, HTML ou texte</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Execute Rules</source>
        <translation>Exécuter les règles</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Edit Rules</source>
        <translation>Modifier les règles</translation>
    </message>
    <message>
        <source>Import Rules…</source>
        <translation>Importer des règles…</translation>
    </message>
    <message>
        <source>Export Rule Group…</source>
        <translation>Exporter le groupe de règles…</translation>
    </message>
    <message>
        <source>Save Report…</source>
        <translation>Enregistrer le rapport…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Fichiers &amp;récents</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Tool Bar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Changed only</source>
        <translation>Modifiés seulement</translation>
    </message>
    <message>
        <source>List only the parameters changed since loading</source>
        <translation>Lister uniquement les paramètres modifiés depuis le chargement</translation>
    </message>
    <message>
        <source>Vantrel Version 1.0</source>
        <translation>Vantrel version 1.0</translation>
    </message>
    <message>
        <source>The rules could not be saved to %1: %2</source>
        <translation>Les règles n&apos;ont pas pu être enregistrées dans %1 : %2</translation>
    </message>
    <message>
        <source>%1 was not opened.</source>
        <translation>%1 n’a pas été ouvert.</translation>
    </message>
    <message>
        <source>%1 loaded with 1 warning</source>
        <translation>%1 chargé avec 1 avertissement</translation>
    </message>
    <message>
        <source>%1 loaded with %2 warnings</source>
        <translation>%1 chargé avec %2 avertissements</translation>
    </message>
    <message>
        <source>Show &amp;Load Warnings…</source>
        <translation>Afficher les avertissements de &amp;chargement…</translation>
    </message>
    <message>
        <source>List what the read of the loaded file cut or left out</source>
        <translation>Lister ce que la lecture du fichier chargé a tronqué ou omis</translation>
    </message>
    <message>
        <source>Save writes only the changed values; nothing is sent to the controller.</source>
        <translation>Enregistrer n’écrit que les valeurs modifiées ; rien n’est envoyé à la commande.</translation>
    </message>
    <message>
        <source>Search parameters</source>
        <translation>Rechercher des paramètres</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Rule variables</source>
        <translation>Variables des règles</translation>
    </message>
    <message>
        <source>The names rule expressions can use, with their values</source>
        <translation>Les noms que les expressions des règles peuvent utiliser, avec leurs valeurs</translation>
    </message>
    <message>
        <source>Parameter description</source>
        <translation>Description du paramètre</translation>
    </message>
    <message>
        <source>1 parameter exported to %1</source>
        <translation>1 paramètre exporté vers %1</translation>
    </message>
    <message>
        <source>%1 parameters exported to %2</source>
        <translation>%1 paramètres exportés vers %2</translation>
    </message>
    <message>
        <source>The unsaved edits of %1 were not restored: the file has changed since. They are kept in %2</source>
        <translation>Les modifications non enregistrées de %1 n’ont pas été restaurées : le fichier a changé depuis. Elles sont conservées dans %2</translation>
    </message>
    <message>
        <source>Restore 1 unsaved edit of %1?</source>
        <translation>Restaurer 1 modification non enregistrée de %1 ?</translation>
    </message>
    <message>
        <source>Restore %1 unsaved edits of %2?</source>
        <translation>Restaurer %1 modifications non enregistrées de %2 ?</translation>
    </message>
    <message>
        <source>A session that ended without saving left them. They are taken as one step that Undo takes back.</source>
        <translation>Une session terminée sans enregistrer les a laissées. Elles sont reprises en une étape qu’Annuler défait.</translation>
    </message>
    <message>
        <source>restored edits</source>
        <translation>modifications restaurées</translation>
    </message>
    <message>
        <source>Unsaved edits of %1 restored</source>
        <translation>Modifications non enregistrées de %1 restaurées</translation>
    </message>
    <message>
        <source>Put the cursor in the search field</source>
        <translation>Place le curseur dans le champ de recherche</translation>
    </message>
    <message>
        <source>Find Parameter</source>
        <translation>Rechercher un paramètre</translation>
    </message>
    <message>
        <source>Lists the parameters whose key contains this text, or whose number it is</source>
        <translation>Liste les paramètres dont la clé contient ce texte ou dont il est le numéro</translation>
    </message>
    <message>
        <source>Names and descriptions</source>
        <translation>Noms et descriptions</translation>
    </message>
    <message>
        <source>Also look for the search text in parameter names and descriptions</source>
        <translation>Chercher aussi le texte dans les noms et les descriptions des paramètres</translation>
    </message>
    <message>
        <source>Parameter details</source>
        <translation>Détails du paramètre</translation>
    </message>
</context>
<context>
    <name>TVariablesPane</name>
    <message>
        <source>Variable List...</source>
        <translation>Liste des variables...</translation>
    </message>
</context>
<context>
    <name>TXmlFile</name>
    <message>
        <source>ERR: Reference file XML parse error at line %1 column %2: %3</source>
        <translation>ERR : erreur de lecture XML du fichier de référence à la ligne %1, colonne %2 : %3</translation>
    </message>
    <message>
        <source>ERR:  Cannot write file &apos;%1&apos;.  Reason: %2</source>
        <translation>ERR :  Impossible d’écrire le fichier &apos;%1&apos;.  Raison : %2</translation>
    </message>
    <message>
        <source>ERR:  Cannot read data from a NULL node</source>
        <translation>ERR :  Impossible de lire des données d’un nœud NULL</translation>
    </message>
    <message>
        <source>ERR: Node Text for &apos;%1&apos; is not optional.</source>
        <translation>ERR : Le texte du nœud &apos;%1&apos; n’est pas facultatif.</translation>
    </message>
    <message>
        <source>ERR: Node attribute &apos;%1&apos; missing and not optional.</source>
        <translation>ERR : L’attribut de nœud &apos;%1&apos; manque et n’est pas facultatif.</translation>
    </message>
    <message>
        <source>ERR:  Cannot get child from a NULL node</source>
        <translation>ERR :  Un nœud NULL n’a pas d’enfant</translation>
    </message>
    <message>
        <source>ERR: Node &apos;%1&apos; is missing from node &apos;%2&apos; and not optional.</source>
        <translation>ERR : Le nœud &apos;%1&apos; manque dans le nœud &apos;%2&apos; et n’est pas facultatif.</translation>
    </message>
    <message>
        <source>ERR: Parent &apos;%1&apos; does not have nodes and they are not optional.</source>
        <translation>ERR : Le parent &apos;%1&apos; n’a pas de nœuds, et ils ne sont pas facultatifs.</translation>
    </message>
    <message>
        <source>ERR:  Cannot open file &apos;%1&apos; for reading.</source>
        <translation>ERR :  Impossible d’ouvrir le fichier &apos;%1&apos; en lecture.</translation>
    </message>
    <message>
        <source>ERR:  Cannot open file: &apos;%1&apos;.  Reason: %2</source>
        <translation>ERR :  Impossible d’ouvrir le fichier &apos;%1&apos;.  Raison : %2</translation>
    </message>
    <message>
        <source>ERR:  Cannot read file &apos;%1&apos;.  Reason: its document type declares entities</source>
        <translation>ERR :  Impossible de lire le fichier &apos;%1&apos;.  Raison : son type de document déclare des entités</translation>
    </message>
    <message>
        <source>ERR:  Identification &apos;%1&apos; does not match &apos;%2&apos;</source>
        <translation>ERR :  L’identification &apos;%1&apos; ne correspond pas à &apos;%2&apos;</translation>
    </message>
    <message>
        <source>ERR: The &apos;File_Version&apos; attribute is missing.</source>
        <translation>ERR : L’attribut &apos;File_Version&apos; manque.</translation>
    </message>
    <message>
        <source>ERR:  Cannot open file &apos;%1&apos; for writing</source>
        <translation>ERR :  Impossible d’ouvrir le fichier &apos;%1&apos; en écriture</translation>
    </message>
    <message>
        <source>ERR:  Cannot read attribute from a NULL node</source>
        <translation>ERR :  Impossible de lire un attribut d’un nœud NULL</translation>
    </message>
    <message>
        <source>ERR:  Cannot get sibling from a NULL node</source>
        <translation>ERR :  Un nœud NULL n’a pas de frère</translation>
    </message>
    <message>
        <source>ERR: Node &apos;%1&apos; does not have siblings and they are not optional.</source>
        <translation>ERR : Le nœud &apos;%1&apos; n’a pas de frères, et ils ne sont pas facultatifs.</translation>
    </message>
    <message>
        <source>ERR:  Cannot create node from a NULL node</source>
        <translation>ERR :  Impossible de créer un nœud à partir d’un nœud NULL</translation>
    </message>
    <message>
        <source>ERR:  Cannot create an unnamed node</source>
        <translation>ERR :  Impossible de créer un nœud sans nom</translation>
    </message>
    <message>
        <source>ERR:  Cannot append data to a NULL node</source>
        <translation>ERR :  Impossible d’ajouter des données à un nœud NULL</translation>
    </message>
    <message>
        <source>ERR:  Cannot write node &apos;%1&apos; with data &apos;%2&apos;</source>
        <translation>ERR :  Impossible d’écrire le nœud &apos;%1&apos; avec les données &apos;%2&apos;</translation>
    </message>
    <message>
        <source>ERR:  Cannot create an unnamed attribute</source>
        <translation>ERR :  Impossible de créer un attribut sans nom</translation>
    </message>
</context>
<context>
    <name>Utilities</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>Not a finite number: %1</source>
        <translation>Pas un nombre fini : %1</translation>
    </message>
    <message>
        <source>; use a point as the decimal separator: %1</source>
        <translation> ; utilisez un point comme séparateur décimal : %1</translation>
    </message>
    <message>
        <source>Not a whole number: %1</source>
        <translation>Pas un nombre entier : %1</translation>
    </message>
    <message>
        <source>Outside the 32-bit integer range: %1</source>
        <translation>Hors de la plage des entiers 32 bits : %1</translation>
    </message>
</context>
</TS>
