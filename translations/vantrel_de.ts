<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>RuleDisplay</name>
    <message>
        <source>PASS</source>
        <translation>BESTANDEN</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>invalid</source>
        <translation>ungültig</translation>
    </message>
    <message>
        <source>checking…</source>
        <translation>wird geprüft…</translation>
    </message>
</context>
<context>
    <name>TAboutDialog</name>
    <message>
        <source>About Vantrel</source>
        <translation>Über Vantrel</translation>
    </message>
    <message>
        <source>Vantrel %1</source>
        <translation>Vantrel %1</translation>
    </message>
    <message>
        <source>Edits and checks the parameter files of a coordinate measuring machine&apos;s motion controller.</source>
        <translation>Bearbeitet und prüft die Parameterdateien der Bewegungssteuerung eines Koordinatenmessgeräts.</translation>
    </message>
    <message>
        <source>Built with Qt %1, running on Qt %2.</source>
        <translation>Erstellt mit Qt %1, läuft unter Qt %2.</translation>
    </message>
    <message>
        <source>Licence: MIT. The program comes without any warranty.</source>
        <translation>Lizenz: MIT. Das Programm wird ohne jede Gewährleistung bereitgestellt.</translation>
    </message>
    <message>
        <source>Settings and rules are kept in %1</source>
        <translation>Einstellungen und Regeln liegen in %1</translation>
    </message>
</context>
<context>
    <name>TBitfieldWidget</name>
    <message>
        <source>Value:</source>
        <translation>Wert:</translation>
    </message>
    <message>
        <source>A decimal number, or hexadecimal after 0x</source>
        <translation>Eine Dezimalzahl, oder hexadezimal nach 0x</translation>
    </message>
    <message>
        <source>Not a hexadecimal pattern of at most 32 bits: %1</source>
        <translation>Kein hexadezimales Muster von höchstens 32 Bit: %1</translation>
    </message>
    <message>
        <source>Bit pattern value</source>
        <translation>Wert des Bitmusters</translation>
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
        <translation>Gleiche Werte in der Referenz</translation>
    </message>
    <message>
        <source>Other values in the reference</source>
        <translation>Andere Werte in der Referenz</translation>
    </message>
    <message>
        <source>Not in the reference</source>
        <translation>Nicht in der Referenz</translation>
    </message>
    <message>
        <source>Only in the reference: not in the loaded list, nothing to edit</source>
        <translation>Nur in der Referenz: nicht in der geladenen Liste, nichts zu bearbeiten</translation>
    </message>
    <message>
        <source>Compare With…</source>
        <translation>Vergleichen mit…</translation>
    </message>
    <message>
        <source>Compare the list with a reference parameter file</source>
        <translation>Die Liste mit einer Referenz-Parameterdatei vergleichen</translation>
    </message>
    <message>
        <source>Clear Comparison</source>
        <translation>Vergleich beenden</translation>
    </message>
    <message>
        <source>End the comparison with the reference</source>
        <translation>Den Vergleich mit der Referenz beenden</translation>
    </message>
    <message>
        <source>Use Reference Value</source>
        <translation>Referenzwert übernehmen</translation>
    </message>
    <message>
        <source>Give the selected parameter the reference&apos;s values</source>
        <translation>Dem ausgewählten Parameter die Werte der Referenz geben</translation>
    </message>
    <message>
        <source>Differences only</source>
        <translation>Nur Unterschiede</translation>
    </message>
    <message>
        <source>List only the parameters whose values differ from the reference or that one of the two lists lacks</source>
        <translation>Nur die Parameter auflisten, deren Werte von der Referenz abweichen oder die in einer der beiden Listen fehlen</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referenz</translation>
    </message>
    <message>
        <source>Loaded</source>
        <translation>Geladen</translation>
    </message>
    <message>
        <source>Reference: %1</source>
        <translation>Referenz: %1</translation>
    </message>
    <message>
        <source>1 differs</source>
        <translation>1 abweichend</translation>
    </message>
    <message>
        <source>%1 differ</source>
        <translation>%1 abweichend</translation>
    </message>
    <message>
        <source>The reference holds the same values.</source>
        <translation>Die Referenz enthält dieselben Werte.</translation>
    </message>
    <message>
        <source>The reference holds other values.</source>
        <translation>Die Referenz enthält andere Werte.</translation>
    </message>
    <message>
        <source>The reference holds other values, not usable here: %1</source>
        <translation>Die Referenz enthält andere Werte, die hier nicht verwendbar sind: %1</translation>
    </message>
    <message>
        <source>The reference has no such parameter.</source>
        <translation>Die Referenz hat keinen solchen Parameter.</translation>
    </message>
    <message>
        <source>Only the reference holds this parameter; there is nothing to edit.</source>
        <translation>Nur die Referenz enthält diesen Parameter; es gibt nichts zu bearbeiten.</translation>
    </message>
    <message>
        <source>reference value of %1</source>
        <translation>Referenzwert von %1</translation>
    </message>
    <message>
        <source>Reference values</source>
        <translation>Referenzwerte</translation>
    </message>
    <message>
        <source>The selected parameter&apos;s values in the loaded list and in the reference</source>
        <translation>Die Werte des gewählten Parameters in der geladenen Liste und in der Referenz</translation>
    </message>
</context>
<context>
    <name>TCopyRulesDialog</name>
    <message>
        <source>Copy Rules</source>
        <translation>Regeln kopieren</translation>
    </message>
    <message>
        <source>Target Group:</source>
        <translation>Zielgruppe:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Target group</source>
        <translation>Zielgruppe</translation>
    </message>
    <message>
        <source>The rule group the selected rules are copied into</source>
        <translation>Die Regelgruppe, in die die gewählten Regeln kopiert werden</translation>
    </message>
</context>
<context>
    <name>TCreateGroupDialog</name>
    <message>
        <source>Create Group</source>
        <translation>Gruppe anlegen</translation>
    </message>
    <message>
        <source>Group Name:</source>
        <translation>Gruppenname:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Anlegen</translation>
    </message>
    <message>
        <source>Group name</source>
        <translation>Gruppenname</translation>
    </message>
</context>
<context>
    <name>TEditHistory</name>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Revert Parameter</source>
        <translation>Parameter zurücksetzen</translation>
    </message>
    <message>
        <source>Return the selected parameter to its loaded values</source>
        <translation>Den ausgewählten Parameter auf seine geladenen Werte zurücksetzen</translation>
    </message>
    <message>
        <source>Revert All Changes</source>
        <translation>Alle Änderungen verwerfen</translation>
    </message>
    <message>
        <source>Return every changed parameter to its loaded values</source>
        <translation>Jeden geänderten Parameter auf seine geladenen Werte zurücksetzen</translation>
    </message>
    <message>
        <source>edit of %1</source>
        <translation>Bearbeitung von %1</translation>
    </message>
    <message>
        <source>revert of %1</source>
        <translation>Zurücksetzen von %1</translation>
    </message>
    <message>
        <source>Revert all changes?</source>
        <translation>Alle Änderungen verwerfen?</translation>
    </message>
    <message>
        <source>%1 changed parameters return to their loaded values.</source>
        <translation>%1 geänderte Parameter erhalten wieder ihre geladenen Werte.</translation>
    </message>
    <message>
        <source>revert of all changes</source>
        <translation>Verwerfen aller Änderungen</translation>
    </message>
</context>
<context>
    <name>TExportOptionsDialog</name>
    <message>
        <source>Export Options</source>
        <translation>Exportoptionen</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Export changed items only</source>
        <translation>Nur geänderte Einträge exportieren</translation>
    </message>
    <message>
        <source>Export all data</source>
        <translation>Alle Daten exportieren</translation>
    </message>
    <message>
        <source>Include original values for changed items</source>
        <translation>Ursprüngliche Werte geänderter Einträge einschließen</translation>
    </message>
    <message>
        <source>Output format matches input format</source>
        <translation>Ausgabeformat entspricht dem Eingabeformat</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>TExpression</name>
    <message>
        <source>A closing bracket has no opening bracket before it.</source>
        <translation>Vor einer schließenden Klammer steht keine öffnende Klammer.</translation>
    </message>
    <message>
        <source>A bracket is not closed.</source>
        <translation>Eine Klammer ist nicht geschlossen.</translation>
    </message>
    <message>
        <source>%1 brackets are not closed.</source>
        <translation>%1 Klammern sind nicht geschlossen.</translation>
    </message>
    <message>
        <source>Brackets are nested more than %1 deep.</source>
        <translation>Klammern sind mehr als %1 Ebenen tief verschachtelt.</translation>
    </message>
    <message>
        <source>The character &quot;%1&quot; has no meaning in an expression.</source>
        <translation>Das Zeichen „%1“ hat in einem Ausdruck keine Bedeutung.</translation>
    </message>
    <message>
        <source>%1 takes its argument in brackets, as in %1(4).</source>
        <translation>%1 nimmt sein Argument in Klammern, wie in %1(4).</translation>
    </message>
    <message>
        <source>Numbers are written without an exponent: %1%2 cannot be read.</source>
        <translation>Zahlen werden ohne Exponent geschrieben: %1%2 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Unknown name: %1.</source>
        <translation>Unbekannter Name: %1.</translation>
    </message>
    <message>
        <source>An operator is missing between two values.</source>
        <translation>Zwischen zwei Werten fehlt ein Operator.</translation>
    </message>
    <message>
        <source>The number %1 cannot be read.</source>
        <translation>Die Zahl %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Nothing stands before the operator %1.</source>
        <translation>Vor dem Operator %1 steht nichts.</translation>
    </message>
    <message>
        <source>The operators %1 and %2 stand together; write a negative number in brackets, as in 2*(-3).</source>
        <translation>Die Operatoren %1 und %2 stehen nebeneinander; schreiben Sie eine negative Zahl in Klammern, wie in 2*(-3).</translation>
    </message>
    <message>
        <source>A comma separates the values of SUMSQ( ) only.</source>
        <translation>Ein Komma trennt nur die Werte von SUMSQ( ).</translation>
    </message>
    <message>
        <source>A value of SUMSQ( ) is missing.</source>
        <translation>Ein Wert von SUMSQ( ) fehlt.</translation>
    </message>
    <message>
        <source>SUMSQ( ) with several values cannot stand inside SUMSQ( ).</source>
        <translation>SUMSQ( ) mit mehreren Werten kann nicht in SUMSQ( ) stehen.</translation>
    </message>
    <message>
        <source>The expression cannot be evaluated.</source>
        <translation>Der Ausdruck kann nicht ausgewertet werden.</translation>
    </message>
    <message>
        <source>Nothing follows the operator %1.</source>
        <translation>Nach dem Operator %1 folgt nichts.</translation>
    </message>
    <message>
        <source>The expression is empty.</source>
        <translation>Der Ausdruck ist leer.</translation>
    </message>
    <message>
        <source>Empty brackets hold no value.</source>
        <translation>Leere Klammern enthalten keinen Wert.</translation>
    </message>
    <message>
        <source>SQRT( ) needs a value in its brackets.</source>
        <translation>SQRT( ) braucht einen Wert in seinen Klammern.</translation>
    </message>
    <message>
        <source>The names in the expression grow too long when their values are written in.</source>
        <translation>Die Namen im Ausdruck werden zu lang, wenn ihre Werte eingesetzt werden.</translation>
    </message>
    <message>
        <source>The value of %1 is not a finite number.</source>
        <translation>Der Wert von %1 ist keine endliche Zahl.</translation>
    </message>
</context>
<context>
    <name>TExpressionEdit</name>
    <message>
        <source>Names that complete the expression</source>
        <translation>Namen, die den Ausdruck vervollständigen</translation>
    </message>
</context>
<context>
    <name>TFileState</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>Write the changed values back into the parameter file</source>
        <translation>Die geänderten Werte in die Parameterdatei zurückschreiben</translation>
    </message>
    <message>
        <source>Write the parameter file with its changed values to another file</source>
        <translation>Die Parameterdatei mit ihren geänderten Werten in eine andere Datei schreiben</translation>
    </message>
    <message>
        <source>Machine Constants Files (*.asc)</source>
        <translation>Maschinenkonstantendateien (*.asc)</translation>
    </message>
    <message>
        <source>Parameter Settings Files (*.xml)</source>
        <translation>Parametereinstellungsdateien (*.xml)</translation>
    </message>
    <message>
        <source>Save Parameter File As</source>
        <translation>Parameterdatei speichern unter</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>The values changed since the file was last saved are lost otherwise.</source>
        <translation>Sonst gehen die seit dem letzten Speichern geänderten Werte verloren.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 has changed on disk since it was read.</source>
        <translation>%1 wurde auf der Festplatte geändert, seit es gelesen wurde.</translation>
    </message>
    <message>
        <source>Overwrite replaces what is there now with the loaded values and yours; Save As… keeps it.</source>
        <translation>Überschreiben ersetzt den jetzigen Inhalt durch die geladenen und Ihre Werte; Speichern unter… behält ihn.</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Speichern unter…</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>%1 no longer exists.</source>
        <translation>%1 existiert nicht mehr.</translation>
    </message>
    <message>
        <source>It was moved or deleted since it was read. Write Anew writes the loaded values and yours there again.</source>
        <translation>Die Datei wurde seit dem Lesen verschoben oder gelöscht. Neu schreiben schreibt die geladenen und Ihre Werte wieder dorthin.</translation>
    </message>
    <message>
        <source>Write Anew</source>
        <translation>Neu schreiben</translation>
    </message>
    <message>
        <source>ERR:  %1</source>
        <translation>FEHLER:  %1</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <source>Saved %1; the file as it was is kept as %2</source>
        <translation>%1 gespeichert; die Datei, wie sie war, liegt als %2 vor</translation>
    </message>
    <message>
        <source>The parameter file was not saved.</source>
        <translation>Die Parameterdatei wurde nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>THelpMenu</name>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Benutzerhandbuch</translation>
    </message>
    <message>
        <source>&amp;About Vantrel</source>
        <translation>Übe&amp;r Vantrel</translation>
    </message>
    <message>
        <source>List every keyboard shortcut of the window</source>
        <translation>Alle Tastenkürzel des Fensters auflisten</translation>
    </message>
    <message>
        <source>Open the user guide</source>
        <translation>Das Benutzerhandbuch öffnen</translation>
    </message>
    <message>
        <source>Version, licence and the folder of settings and rules</source>
        <translation>Version, Lizenz und der Ordner der Einstellungen und Regeln</translation>
    </message>
    <message>
        <source>The user guide is not installed. It is part of the program&apos;s documentation, in the file user-guide.html.</source>
        <translation>Das Benutzerhandbuch ist nicht installiert. Es gehört zur Dokumentation des Programms, in der Datei user-guide.html.</translation>
    </message>
</context>
<context>
    <name>TLoadWarningsDialog</name>
    <message>
        <source>Load Warnings</source>
        <translation>Ladewarnungen</translation>
    </message>
    <message>
        <source>Load warnings</source>
        <translation>Ladewarnungen</translation>
    </message>
    <message>
        <source>&amp;Copy All</source>
        <translation>Alles &amp;kopieren</translation>
    </message>
    <message>
        <source>Reading %1 cut or left out these places; the list holds what was read:</source>
        <translation>Beim Lesen von %1 wurden diese Stellen gekürzt oder ausgelassen; die Liste enthält, was gelesen wurde:</translation>
    </message>
</context>
<context>
    <name>TMessageBox</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>TParameterComparison</name>
    <message>
        <source>%1 values instead of %2.</source>
        <translation>%1 Werte statt %2.</translation>
    </message>
</context>
<context>
    <name>TParameters</name>
    <message>
        <source>the file declares UTF-8 but holds bytes that are not UTF-8</source>
        <translation>die Datei gibt UTF-8 an, enthält aber Bytes, die kein UTF-8 sind</translation>
    </message>
    <message>
        <source>no value read</source>
        <translation>kein Wert gelesen</translation>
    </message>
    <message>
        <source>%1 value read</source>
        <translation>%1 Wert gelesen</translation>
    </message>
    <message>
        <source>%1 values read</source>
        <translation>%1 Werte gelesen</translation>
    </message>
    <message>
        <source>the value on line %1 could not be found in its bytes</source>
        <translation>der Wert in Zeile %1 wurde in ihren Bytes nicht gefunden</translation>
    </message>
    <message>
        <source>the key may have lost its first letter: %1 stands before it where a blank belongs</source>
        <translation>der Schlüssel hat vielleicht seinen ersten Buchstaben verloren: vor ihm steht %1, wo ein Leerzeichen hingehört</translation>
    </message>
    <message>
        <source>(no key)</source>
        <translation>(kein Schlüssel)</translation>
    </message>
    <message>
        <source> is no integer; </source>
        <translation> ist keine ganze Zahl; </translation>
    </message>
    <message>
        <source> is no number; </source>
        <translation> ist keine Zahl; </translation>
    </message>
    <message>
        <source>, the type word says %1</source>
        <translation>, das Typwort nennt %1</translation>
    </message>
    <message>
        <source>unknown type word %1; the entry is left out</source>
        <translation>unbekanntes Typwort %1; der Eintrag wird ausgelassen</translation>
    </message>
    <message>
        <source>no type word; the entry is left out</source>
        <translation>kein Typwort; der Eintrag wird ausgelassen</translation>
    </message>
    <message>
        <source>the file ends inside this header line</source>
        <translation>die Datei endet innerhalb dieser Kopfzeile</translation>
    </message>
    <message>
        <source>, the entry is left out</source>
        <translation>, der Eintrag wird ausgelassen</translation>
    </message>
    <message>
        <source>its text is in UTF-16 or UTF-32, which is read but not written</source>
        <translation>ihr Text ist in UTF-16 oder UTF-32, das gelesen, aber nicht geschrieben wird</translation>
    </message>
    <message>
        <source>the list does not match the file it was read from</source>
        <translation>die Liste passt nicht zu der Datei, aus der sie gelesen wurde</translation>
    </message>
    <message>
        <source>%1 is not in the file</source>
        <translation>%1 ist nicht in der Datei</translation>
    </message>
    <message>
        <source>%1 holds %2 values where the file has %3</source>
        <translation>%1 hat %2 Werte, wo die Datei %3 hat</translation>
    </message>
    <message>
        <source>the places of two values overlap</source>
        <translation>die Stellen zweier Werte überlappen sich</translation>
    </message>
    <message>
        <source>%1 has no value %2.</source>
        <translation>%1 hat keinen Wert %2.</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Die Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>File %1 is too small to be a parameter file.</source>
        <translation>Die Datei %1 ist zu klein für eine Parameterdatei.</translation>
    </message>
    <message>
        <source>Unable to determine type of parameter file</source>
        <translation>Der Typ der Parameterdatei lässt sich nicht bestimmen</translation>
    </message>
    <message>
        <source>: the key is also on line %1; the first is kept</source>
        <translation>: der Schlüssel steht auch in Zeile %1; der erste wird behalten</translation>
    </message>
    <message>
        <source>: the key is in the list already; the first is kept</source>
        <translation>: der Schlüssel ist schon in der Liste; der erste wird behalten</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>no parameter file was read</source>
        <translation>es wurde keine Parameterdatei gelesen</translation>
    </message>
    <message>
        <source>the file would no longer open as a parameter file (%1 bytes, too few to tell its format)</source>
        <translation>die Datei ließe sich nicht mehr als Parameterdatei öffnen (%1 Bytes, zu wenige, um ihr Format zu erkennen)</translation>
    </message>
    <message>
        <source>read back, the file would not read: %1</source>
        <translation>wieder gelesen, ließe sich die Datei nicht lesen: %1</translation>
    </message>
    <message>
        <source>read back, %1</source>
        <translation>wieder gelesen, %1</translation>
    </message>
    <message>
        <source>read back, %1 would be of type %2 instead of %3</source>
        <translation>wieder gelesen, wäre %1 vom Typ %2 statt %3</translation>
    </message>
    <message>
        <source>read back, %1 would hold %2 instead of %3</source>
        <translation>wieder gelesen, enthielte %1 %2 statt %3</translation>
    </message>
    <message>
        <source>read back, %1 would stand where %2 does</source>
        <translation>wieder gelesen, stünde %1 dort, wo %2 steht</translation>
    </message>
    <message>
        <source>the list ends</source>
        <translation>die Liste endet</translation>
    </message>
    <message>
        <source>read back, the file would not hold %1</source>
        <translation>wieder gelesen, enthielte die Datei %1 nicht</translation>
    </message>
    <message>
        <source>Cannot save the parameter file: %1</source>
        <translation>Die Parameterdatei kann nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>%1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Cannot keep the backup %1: %2</source>
        <translation>Die Sicherung %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the bytes of its file were let go after reading</source>
        <translation>die Bytes ihrer Datei wurden nach dem Lesen freigegeben</translation>
    </message>
    <message>
        <source>Cannot write the parameters: %1</source>
        <translation>Die Parameter können nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>none of the parameters is in the list</source>
        <translation>keiner der Parameter ist in der Liste</translation>
    </message>
    <message>
        <source>the file&apos;s root element was not found</source>
        <translation>das Wurzelelement der Datei wurde nicht gefunden</translation>
    </message>
    <message>
        <source>the element of %1 was not found</source>
        <translation>das Element von %1 wurde nicht gefunden</translation>
    </message>
    <message>
        <source>read back, %1 would be in the file</source>
        <translation>wieder gelesen, stünde %1 in der Datei</translation>
    </message>
    <message>
        <source>read back, %1 would not hold its values</source>
        <translation>wieder gelesen, enthielte %1 seine Werte nicht</translation>
    </message>
    <message>
        <source>Value_%1 stands before Value_%2; the values are taken in file order</source>
        <translation>Value_%1 steht vor Value_%2; die Werte werden in der Reihenfolge der Datei übernommen</translation>
    </message>
    <message>
        <source>: no value; the entry is left out</source>
        <translation>: kein Wert; der Eintrag wird ausgelassen</translation>
    </message>
    <message>
        <source>a character XML cannot carry (U+%1)</source>
        <translation>ein Zeichen, das XML nicht tragen kann (U+%1)</translation>
    </message>
    <message>
        <source>a text the file&apos;s encoding %1 cannot write</source>
        <translation>einen Text, den die Kodierung %1 der Datei nicht schreiben kann</translation>
    </message>
    <message>
        <source>its encoding %1 is read but not written</source>
        <translation>ihre Kodierung %1 wird gelesen, aber nicht geschrieben</translation>
    </message>
    <message>
        <source>the places of its values could not be found</source>
        <translation>die Stellen ihrer Werte wurden nicht gefunden</translation>
    </message>
    <message>
        <source>the places of the values of %1 could not be found</source>
        <translation>die Stellen der Werte von %1 wurden nicht gefunden</translation>
    </message>
    <message>
        <source>the place of value %1 of %2 could not be found</source>
        <translation>die Stelle von Wert %1 von %2 wurde nicht gefunden</translation>
    </message>
    <message>
        <source>%1: value %2</source>
        <translation>%1: Wert %2</translation>
    </message>
    <message>
        <source> is a processing instruction, which holds no text</source>
        <translation> ist eine Verarbeitungsanweisung, die keinen Text enthält</translation>
    </message>
    <message>
        <source> holds </source>
        <translation> enthält </translation>
    </message>
</context>
<context>
    <name>TRecentFiles</name>
    <message>
        <source>Clear Recent</source>
        <translation>Liste leeren</translation>
    </message>
</context>
<context>
    <name>TRuleEditorDialog</name>
    <message>
        <source>Rule Editor</source>
        <translation>Regeleditor</translation>
    </message>
    <message>
        <source>Add Rule</source>
        <translation>Regel hinzufügen</translation>
    </message>
    <message>
        <source>Edit Rule</source>
        <translation>Regel bearbeiten</translation>
    </message>
    <message>
        <source>Delete Rule</source>
        <translation>Regel löschen</translation>
    </message>
    <message>
        <source>Copy Rule</source>
        <translation>Regel kopieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Cannot add new rule entry.</source>
        <translation>Die neue Regel kann nicht hinzugefügt werden.</translation>
    </message>
    <message>
        <source>Cannot edit existing rule.</source>
        <translation>Die Regel kann nicht bearbeitet werden.</translation>
    </message>
    <message>
        <source>No rule selected</source>
        <translation>Keine Regel ausgewählt</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Delete selected rules?</source>
        <translation>Ausgewählte Regeln löschen?</translation>
    </message>
    <message>
        <source>Overwrite Existing Rules</source>
        <translation>Vorhandene Regeln überschreiben</translation>
    </message>
    <message>
        <source>Do you want to overwrite existing rules in target group (if they exist)?</source>
        <translation>Vorhandene Regeln in der Zielgruppe (falls vorhanden) überschreiben?</translation>
    </message>
    <message>
        <source>Rules of the group</source>
        <translation>Regeln der Gruppe</translation>
    </message>
</context>
<context>
    <name>TRuleItemDialog</name>
    <message>
        <source>Left expression</source>
        <translation>Linker Ausdruck</translation>
    </message>
    <message>
        <source>Right expression</source>
        <translation>Rechter Ausdruck</translation>
    </message>
    <message>
        <source>= %1</source>
        <translation>= %1</translation>
    </message>
    <message>
        <source>Outcome: %1</source>
        <translation>Ergebnis: %1</translation>
    </message>
    <message>
        <source>Rule Item Editor</source>
        <translation>Regel bearbeiten</translation>
    </message>
    <message>
        <source>Rule Name:</source>
        <translation>Regelname:</translation>
    </message>
    <message>
        <source>Left Expression:</source>
        <translation>Linker Ausdruck:</translation>
    </message>
    <message>
        <source>Operator:</source>
        <translation>Operator:</translation>
    </message>
    <message>
        <source>Right Expression:</source>
        <translation>Rechter Ausdruck:</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Note:  Result of &lt;span style=&quot; font-weight:600; font-style:italic;&quot;&gt;[Left Expression] &amp;lt;operator&amp;gt; [Right Expression]&lt;/span&gt; must be true.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Hinweis:  Das Ergebnis von &lt;span style=&quot; font-weight:600; font-style:italic;&quot;&gt;[Linker Ausdruck] &amp;lt;Operator&amp;gt; [Rechter Ausdruck]&lt;/span&gt; muss wahr sein.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>The rule %1.</source>
        <translation>Die Regel %1.</translation>
    </message>
    <message>
        <source>Enter a name for the rule.</source>
        <translation>Geben Sie einen Namen für die Regel ein.</translation>
    </message>
    <message>
        <source>The name is longer than %1 characters.</source>
        <translation>Der Name ist länger als %1 Zeichen.</translation>
    </message>
    <message>
        <source>The group has a rule named &quot;%1&quot; already.</source>
        <translation>Die Gruppe hat bereits eine Regel namens „%1“.</translation>
    </message>
    <message>
        <source>Choose an operator.</source>
        <translation>Wählen Sie einen Operator.</translation>
    </message>
    <message>
        <source>Enter the left expression.</source>
        <translation>Geben Sie den linken Ausdruck ein.</translation>
    </message>
    <message>
        <source>Enter the right expression.</source>
        <translation>Geben Sie den rechten Ausdruck ein.</translation>
    </message>
    <message>
        <source>Rule name</source>
        <translation>Regelname</translation>
    </message>
</context>
<context>
    <name>TRuleOperator</name>
    <message>
        <source>Less Than</source>
        <translation>Kleiner als</translation>
    </message>
    <message>
        <source>Left Exp. Less Than Right Exp.</source>
        <translation>Linker Ausdr. kleiner als rechter Ausdr.</translation>
    </message>
    <message>
        <source>passes when left &lt;= right</source>
        <translation>ist erfüllt, wenn links &lt;= rechts</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Gleich</translation>
    </message>
    <message>
        <source>Left Exp. Equals Right Exp.</source>
        <translation>Linker Ausdr. gleich rechter Ausdr.</translation>
    </message>
    <message>
        <source>passes when left and right differ by at most 0.000001</source>
        <translation>ist erfüllt, wenn links und rechts um höchstens 0.000001 abweichen</translation>
    </message>
    <message>
        <source>Greater Than</source>
        <translation>Größer als</translation>
    </message>
    <message>
        <source>Left Exp. Greater Than Right Exp.</source>
        <translation>Linker Ausdr. größer als rechter Ausdr.</translation>
    </message>
    <message>
        <source>passes when left &gt;= right</source>
        <translation>ist erfüllt, wenn links &gt;= rechts</translation>
    </message>
    <message>
        <source>Not Less Than</source>
        <translation>Nicht kleiner als</translation>
    </message>
    <message>
        <source>Left Exp. Not Less Than Right Exp.</source>
        <translation>Linker Ausdr. nicht kleiner als rechter Ausdr.</translation>
    </message>
    <message>
        <source>passes when left &gt; right</source>
        <translation>ist erfüllt, wenn links &gt; rechts</translation>
    </message>
    <message>
        <source>Not Equals</source>
        <translation>Ungleich</translation>
    </message>
    <message>
        <source>Left Exp. Not Equal To Right Exp.</source>
        <translation>Linker Ausdr. ungleich rechter Ausdr.</translation>
    </message>
    <message>
        <source>passes when left and right differ by at least 0.000001</source>
        <translation>ist erfüllt, wenn links und rechts um mindestens 0.000001 abweichen</translation>
    </message>
    <message>
        <source>Not Greater Than</source>
        <translation>Nicht größer als</translation>
    </message>
    <message>
        <source>Left Exp. Not Greater Than Right Exp.</source>
        <translation>Linker Ausdr. nicht größer als rechter Ausdr.</translation>
    </message>
    <message>
        <source>passes when left &lt; right</source>
        <translation>ist erfüllt, wenn links &lt; rechts</translation>
    </message>
</context>
<context>
    <name>TRuleOutcomes</name>
    <message>
        <source>Failing rules only</source>
        <translation>Nur verletzte Regeln</translation>
    </message>
    <message>
        <source>List only the parameters read by a failing or invalid rule of the group on show</source>
        <translation>Nur die Parameter auflisten, die eine verletzte oder ungültige Regel der angezeigten Gruppe liest</translation>
    </message>
    <message>
        <source>Rules using this parameter</source>
        <translation>Regeln mit diesem Parameter</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Regel</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weitere</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Read by failing or invalid rules: %1</source>
        <translation>Gelesen von verletzten oder ungültigen Regeln: %1</translation>
    </message>
    <message>
        <source>No rule of the group reads this parameter.</source>
        <translation>Keine Regel der Gruppe liest diesen Parameter.</translation>
    </message>
</context>
<context>
    <name>TRuleRun</name>
    <message>
        <source>%1 passed, %2 failed, %3 invalid</source>
        <translation>%1 bestanden, %2 fehlgeschlagen, %3 ungültig</translation>
    </message>
    <message>
        <source>invalid</source>
        <translation>ungültig</translation>
    </message>
    <message>
        <source>Evaluating Rules...</source>
        <translation>Regeln werden ausgewertet...</translation>
    </message>
    <message>
        <source>
Rule: &apos;%1&apos;</source>
        <translation>
Regel: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>  ERR:  Left expression invalid.</source>
        <translation>  FEHLER:  Linker Ausdruck ungültig.</translation>
    </message>
    <message>
        <source>The left expression cannot be evaluated</source>
        <translation>Der linke Ausdruck kann nicht ausgewertet werden</translation>
    </message>
    <message>
        <source>  Left expression value: %1</source>
        <translation>  Wert des linken Ausdrucks: %1</translation>
    </message>
    <message>
        <source>The left value is not a finite number (%1)</source>
        <translation>Der linke Wert ist keine endliche Zahl (%1)</translation>
    </message>
    <message>
        <source>  ERR:  Right expression invalid.</source>
        <translation>  FEHLER:  Rechter Ausdruck ungültig.</translation>
    </message>
    <message>
        <source>The right expression cannot be evaluated</source>
        <translation>Der rechte Ausdruck kann nicht ausgewertet werden</translation>
    </message>
    <message>
        <source>  Right expression value: %1</source>
        <translation>  Wert des rechten Ausdrucks: %1</translation>
    </message>
    <message>
        <source>The right value is not a finite number (%1)</source>
        <translation>Der rechte Wert ist keine endliche Zahl (%1)</translation>
    </message>
    <message>
        <source>  OPER:  Left %1 Right</source>
        <translation>  OPER:  Links %1 Rechts</translation>
    </message>
    <message>
        <source>* FAIL *</source>
        <translation>* FEHLER *</translation>
    </message>
</context>
<context>
    <name>TRuleTable</name>
    <message>
        <source>Rule</source>
        <translation>Regel</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
</context>
<context>
    <name>TRules</name>
    <message>
        <source>Rule not found</source>
        <translation>Regel nicht gefunden</translation>
    </message>
    <message>
        <source>Rule name is empty</source>
        <translation>Der Regelname ist leer</translation>
    </message>
    <message>
        <source>Rule item holds a character that the rules file cannot store</source>
        <translation>Die Regel enthält ein Zeichen, das die Regeldatei nicht speichern kann</translation>
    </message>
    <message>
        <source>Operator type not recognized</source>
        <translation>Operatortyp nicht erkannt</translation>
    </message>
    <message>
        <source>Source rule group not found</source>
        <translation>Quell-Regelgruppe nicht gefunden</translation>
    </message>
    <message>
        <source>Rule item already exists</source>
        <translation>Die Regel existiert bereits</translation>
    </message>
    <message>
        <source>Rule group not found</source>
        <translation>Regelgruppe nicht gefunden</translation>
    </message>
    <message>
        <source>Group name already exists</source>
        <translation>Der Gruppenname existiert bereits</translation>
    </message>
    <message>
        <source>Group name is empty</source>
        <translation>Der Gruppenname ist leer</translation>
    </message>
    <message>
        <source>Group name holds a character that the rules file cannot store</source>
        <translation>Der Gruppenname enthält ein Zeichen, das die Regeldatei nicht speichern kann</translation>
    </message>
    <message>
        <source>ERR:  Rules file &apos;%1&apos; has a file version this program does not read</source>
        <translation>FEHLER:  Die Regeldatei &apos;%1&apos; hat eine Dateiversion, die dieses Programm nicht liest</translation>
    </message>
    <message>
        <source>No file name is given for the exported rule group</source>
        <translation>Für die exportierte Regelgruppe ist kein Dateiname angegeben</translation>
    </message>
    <message>
        <source>ERR:  Rules file &apos;%1&apos; holds a character that the rules file cannot store</source>
        <translation>FEHLER:  Die Regeldatei &apos;%1&apos; enthält ein Zeichen, das die Regeldatei nicht speichern kann</translation>
    </message>
    <message>
        <source>No directory is set for the rules file</source>
        <translation>Für die Regeldatei ist kein Ordner festgelegt</translation>
    </message>
    <message>
        <source>The rules file &apos;%1&apos; could not be read and was kept; a copy of it could not be made as &apos;%2&apos; (%3), so it was not overwritten</source>
        <translation>Die Regeldatei &apos;%1&apos; konnte nicht gelesen werden und wurde behalten; eine Kopie als &apos;%2&apos; ließ sich nicht anlegen (%3), daher wurde sie nicht überschrieben</translation>
    </message>
</context>
<context>
    <name>TRulesPane</name>
    <message>
        <source>Rules:</source>
        <translation>Regeln:</translation>
    </message>
    <message>
        <source>Create rule group</source>
        <translation>Regelgruppe anlegen</translation>
    </message>
    <message>
        <source>Remove rule group</source>
        <translation>Regelgruppe entfernen</translation>
    </message>
    <message>
        <source>Edit rules</source>
        <translation>Regeln bearbeiten</translation>
    </message>
    <message>
        <source>Execute rules</source>
        <translation>Regeln ausführen</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Delete selected group of rules?</source>
        <translation>Ausgewählte Regelgruppe löschen?</translation>
    </message>
    <message>
        <source>A rule group named &quot;%1&quot; exists already.</source>
        <translation>Eine Regelgruppe namens „%1“ existiert bereits.</translation>
    </message>
    <message>
        <source>Replace it with the imported group, keep both (the imported one as &quot;%1&quot;) or skip the imported group?</source>
        <translation>Durch die importierte Gruppe ersetzen, beide behalten (die importierte als „%1“) oder die importierte Gruppe überspringen?</translation>
    </message>
    <message>
        <source>Keep Both</source>
        <translation>Beide behalten</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>The rules could not be imported from %1: %2</source>
        <translation>Die Regeln konnten nicht aus %1 importiert werden: %2</translation>
    </message>
    <message>
        <source>The rule group &quot;%1&quot; could not be exported to %2: %3</source>
        <translation>Die Regelgruppe „%1“ konnte nicht nach %2 exportiert werden: %3</translation>
    </message>
    <message>
        <source>The report could not be saved to %1: %2</source>
        <translation>Der Bericht konnte nicht unter %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Rule group</source>
        <translation>Regelgruppe</translation>
    </message>
    <message>
        <source>Rule report</source>
        <translation>Regelbericht</translation>
    </message>
    <message>
        <source>The outcome of the last run of the rule group</source>
        <translation>Das Ergebnis des letzten Laufs der Regelgruppe</translation>
    </message>
    <message>
        <source>Rule outcomes</source>
        <translation>Regelergebnisse</translation>
    </message>
    <message>
        <source>The rules of the group with their outcomes as the values stand</source>
        <translation>Die Regeln der Gruppe mit ihren Ergebnissen für die aktuellen Werte</translation>
    </message>
    <message>
        <source>The rule &quot;%1&quot; could not be changed.</source>
        <translation>Die Regel „%1“ konnte nicht geändert werden.</translation>
    </message>
</context>
<context>
    <name>TRunReport</name>
    <message>
        <source>(none loaded)</source>
        <translation>(keine geladen)</translation>
    </message>
    <message>
        <source>Parameter file</source>
        <translation>Parameterdatei</translation>
    </message>
    <message>
        <source>Rule group</source>
        <translation>Regelgruppe</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>Parameter file: %1</source>
        <translation>Parameterdatei: %1</translation>
    </message>
    <message>
        <source>Rule group:     %1</source>
        <translation>Regelgruppe:    %1</translation>
    </message>
    <message>
        <source>Date and time:  %1</source>
        <translation>Datum/Uhrzeit:  %1</translation>
    </message>
    <message>
        <source>The values checked are not those of the file on disk.</source>
        <translation>Die geprüften Werte sind nicht die der Datei auf der Festplatte.</translation>
    </message>
    <message>
        <source>These parameters were edited and not saved (value in the file -&gt; value checked):</source>
        <translation>Diese Parameter wurden bearbeitet und nicht gespeichert (Wert in der Datei -&gt; geprüfter Wert):</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Regel</translation>
    </message>
    <message>
        <source>Left value</source>
        <translation>Linker Wert</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Right value</source>
        <translation>Rechter Wert</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>A PDF report is laid out by the window</source>
        <translation>Ein PDF-Bericht wird vom Fenster gesetzt</translation>
    </message>
    <message>
        <source>Rule Report</source>
        <translation>Regelbericht</translation>
    </message>
    <message>
        <source>These parameters were edited and not saved:</source>
        <translation>Diese Parameter wurden bearbeitet und nicht gespeichert:</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Value in the file</source>
        <translation>Wert in der Datei</translation>
    </message>
    <message>
        <source>Value checked</source>
        <translation>Geprüfter Wert</translation>
    </message>
    <message>
        <source>Rule Report: %1</source>
        <translation>Regelbericht: %1</translation>
    </message>
</context>
<context>
    <name>TShortcutsDialog</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
</context>
<context>
    <name>TTakeValuesDialog</name>
    <message>
        <source>Take Values</source>
        <translation>Werte übernehmen</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>Current Values</source>
        <translation>Aktuelle Werte</translation>
    </message>
    <message>
        <source>New Values</source>
        <translation>Neue Werte</translation>
    </message>
    <message>
        <source>These cannot be taken:</source>
        <translation>Diese können nicht übernommen werden:</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Values from %1</source>
        <translation>Werte aus %1</translation>
    </message>
    <message>
        <source>Does not fit: %1</source>
        <translation>Passt nicht: %1</translation>
    </message>
    <message>
        <source>Not in the file the values come from.</source>
        <translation>Nicht in der Datei, aus der die Werte stammen.</translation>
    </message>
    <message>
        <source>Not in the loaded file.</source>
        <translation>Nicht in der geladenen Datei.</translation>
    </message>
    <message>
        <source>%1 are the same already.</source>
        <translation>%1 sind bereits gleich.</translation>
    </message>
    <message>
        <source>Take %1 Values</source>
        <translation>%1 Werte übernehmen</translation>
    </message>
    <message>
        <source>Values to take</source>
        <translation>Zu übernehmende Werte</translation>
    </message>
    <message>
        <source>Only the ticked parameters take the new values</source>
        <translation>Nur die angehakten Parameter übernehmen die neuen Werte</translation>
    </message>
    <message>
        <source>Values that cannot be taken</source>
        <translation>Werte, die nicht übernommen werden können</translation>
    </message>
</context>
<context>
    <name>TUserGuideDialog</name>
    <message>
        <source>User Guide</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Benutzerhandbuch</translation>
    </message>
</context>
<context>
    <name>TValueTaking</name>
    <message>
        <source>Take Values From File…</source>
        <translation>Werte aus Datei übernehmen…</translation>
    </message>
    <message>
        <source>Take values of another parameter file, whole or partial</source>
        <translation>Werte einer anderen Parameterdatei übernehmen, ganz oder teilweise</translation>
    </message>
    <message>
        <source>Use All Reference Values</source>
        <translation>Alle Referenzwerte verwenden</translation>
    </message>
    <message>
        <source>Take every differing value of the reference</source>
        <translation>Jeden abweichenden Wert der Referenz übernehmen</translation>
    </message>
    <message>
        <source>Save Changed Parameters As…</source>
        <translation>Geänderte Parameter speichern unter…</translation>
    </message>
    <message>
        <source>Write the changed parameters as a partial file that other machines can take</source>
        <translation>Die geänderten Parameter als Teildatei schreiben, die andere Maschinen übernehmen können</translation>
    </message>
    <message>
        <source>Take Values From File</source>
        <translation>Werte aus Datei übernehmen</translation>
    </message>
    <message>
        <source>Parameter Files (*.asc *.xml)</source>
        <translation>Parameterdateien (*.asc *.xml)</translation>
    </message>
    <message>
        <source>Values were not taken from %1.</source>
        <translation>Aus %1 wurden keine Werte übernommen.</translation>
    </message>
    <message>
        <source>values from %1</source>
        <translation>Werte aus %1</translation>
    </message>
    <message>
        <source>%1 values taken from %2</source>
        <translation>%1 Werte aus %2 übernommen</translation>
    </message>
    <message>
        <source>Save Changed Parameters As</source>
        <translation>Geänderte Parameter speichern unter</translation>
    </message>
    <message>
        <source>Machine Constants Files (*.asc)</source>
        <translation>Maschinenkonstantendateien (*.asc)</translation>
    </message>
    <message>
        <source>Parameter Settings Files (*.xml)</source>
        <translation>Parametereinstellungsdateien (*.xml)</translation>
    </message>
    <message>
        <source>Cannot save the changed parameters.</source>
        <translation>Die geänderten Parameter können nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>%1 changed parameters saved to %2</source>
        <translation>%1 geänderte Parameter in %2 gespeichert</translation>
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
        <translation>Index: %1</translation>
    </message>
    <message>
        <source>Index:</source>
        <translation>Index:</translation>
    </message>
    <message>
        <source>Value %1</source>
        <translation>Wert %1</translation>
    </message>
</context>
<context>
    <name>TVantrel</name>
    <message>
        <source>Open Parameter File</source>
        <translation>Parameterdatei öffnen</translation>
    </message>
    <message>
        <source>Parameter Files (*.asc *.xml)</source>
        <translation>Parameterdateien (*.asc *.xml)</translation>
    </message>
    <message>
        <source>Export Changes</source>
        <translation>Änderungen exportieren</translation>
    </message>
    <message>
        <source>Text file (*.txt)</source>
        <translation>Textdatei (*.txt)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Clear loaded parameter file?</source>
        <translation>Geladene Parameterdatei schließen?</translation>
    </message>
    <message>
        <source>ERR:  %1</source>
        <translation>FEHLER:  %1</translation>
    </message>
    <message>
        <source>%1 no longer exists; removed from the recent files.</source>
        <translation>%1 existiert nicht mehr; aus den zuletzt geöffneten Dateien entfernt.</translation>
    </message>
    <message>
        <source>Compare With Reference File</source>
        <translation>Mit Referenzdatei vergleichen</translation>
    </message>
    <message>
        <source>Reference: %1</source>
        <translation>Referenz: %1</translation>
    </message>
    <message>
        <source>Changed since loading</source>
        <translation>Seit dem Laden geändert</translation>
    </message>
    <message>
        <source>1 changed</source>
        <translation>1 geändert</translation>
    </message>
    <message>
        <source>%1 changed</source>
        <translation>%1 geändert</translation>
    </message>
    <message>
        <source>Import Rules</source>
        <translation>Regeln importieren</translation>
    </message>
    <message>
        <source>Rules Files (*.xml)</source>
        <translation>Regeldateien (*.xml)</translation>
    </message>
    <message>
        <source>Rules imported from %1</source>
        <translation>Regeln importiert aus %1</translation>
    </message>
    <message>
        <source>ERR:  There is no rule group to export</source>
        <translation>FEHLER:  Es gibt keine Regelgruppe zum Exportieren</translation>
    </message>
    <message>
        <source>Export Rule Group</source>
        <translation>Regelgruppe exportieren</translation>
    </message>
    <message>
        <source>Rule group exported to %1</source>
        <translation>Regelgruppe exportiert nach %1</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;HTML (*.html *.htm);;Text (*.txt)</source>
        <translation>PDF (*.pdf);;HTML (*.html *.htm);;Text (*.txt)</translation>
    </message>
    <message>
        <source>Report saved to %1</source>
        <translation>Bericht gespeichert unter %1</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>Clear parameter list.</source>
        <translation>Parameterliste leeren.</translation>
    </message>
    <message>
        <source>Open parameter file.</source>
        <translation>Parameterdatei öffnen.</translation>
    </message>
    <message>
        <source>Execute rules</source>
        <translation>Regeln ausführen</translation>
    </message>
    <message>
        <source>Export changes</source>
        <translation>Änderungen exportieren</translation>
    </message>
    <message>
        <source>Close vantrel utility.</source>
        <translation>Vantrel beenden.</translation>
    </message>
    <message>
        <source>Edit rules</source>
        <translation>Regeln bearbeiten</translation>
    </message>
    <message>
        <source>Add the rule groups of a rules file</source>
        <translation>Die Regelgruppen einer Regeldatei hinzufügen</translation>
    </message>
    <message>
        <source>Write the selected rule group alone as a rules file</source>
        <translation>Die ausgewählte Regelgruppe allein als Regeldatei schreiben</translation>
    </message>
    <message>
        <source>Save the last run as PDF, HTML or text</source>
        <translation>Den letzten Lauf als PDF, HTML oder Text speichern</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Execute Rules</source>
        <translation>Regeln ausführen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Edit Rules</source>
        <translation>Regeln bearbeiten</translation>
    </message>
    <message>
        <source>Import Rules…</source>
        <translation>Regeln importieren…</translation>
    </message>
    <message>
        <source>Export Rule Group…</source>
        <translation>Regelgruppe exportieren…</translation>
    </message>
    <message>
        <source>Save Report…</source>
        <translation>Bericht speichern…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Tool Bar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Changed only</source>
        <translation>Nur geänderte</translation>
    </message>
    <message>
        <source>List only the parameters changed since loading</source>
        <translation>Nur die seit dem Laden geänderten Parameter auflisten</translation>
    </message>
    <message>
        <source>Vantrel Version 1.0</source>
        <translation>Vantrel Version 1.0</translation>
    </message>
    <message>
        <source>The rules could not be saved to %1: %2</source>
        <translation>Die Regeln konnten nicht unter %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>%1 was not opened.</source>
        <translation>%1 wurde nicht geöffnet.</translation>
    </message>
    <message>
        <source>%1 loaded with 1 warning</source>
        <translation>%1 mit 1 Warnung geladen</translation>
    </message>
    <message>
        <source>%1 loaded with %2 warnings</source>
        <translation>%1 mit %2 Warnungen geladen</translation>
    </message>
    <message>
        <source>Show &amp;Load Warnings…</source>
        <translation>&amp;Ladewarnungen anzeigen…</translation>
    </message>
    <message>
        <source>List what the read of the loaded file cut or left out</source>
        <translation>Auflisten, was beim Lesen der geladenen Datei gekürzt oder ausgelassen wurde</translation>
    </message>
    <message>
        <source>Save writes only the changed values; nothing is sent to the controller.</source>
        <translation>Speichern schreibt nur die geänderten Werte; nichts wird an die Steuerung gesendet.</translation>
    </message>
    <message>
        <source>Search parameters</source>
        <translation>Parameter suchen</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Rule variables</source>
        <translation>Regelvariablen</translation>
    </message>
    <message>
        <source>The names rule expressions can use, with their values</source>
        <translation>Die Namen, die Regelausdrücke verwenden können, mit ihren Werten</translation>
    </message>
    <message>
        <source>Parameter description</source>
        <translation>Parameterbeschreibung</translation>
    </message>
    <message>
        <source>1 parameter exported to %1</source>
        <translation>1 Parameter nach %1 exportiert</translation>
    </message>
    <message>
        <source>%1 parameters exported to %2</source>
        <translation>%1 Parameter nach %2 exportiert</translation>
    </message>
    <message>
        <source>The unsaved edits of %1 were not restored: the file has changed since. They are kept in %2</source>
        <translation>Die nicht gespeicherten Änderungen an %1 wurden nicht wiederhergestellt: die Datei wurde seitdem geändert. Sie liegen in %2</translation>
    </message>
    <message>
        <source>Restore 1 unsaved edit of %1?</source>
        <translation>1 nicht gespeicherte Änderung an %1 wiederherstellen?</translation>
    </message>
    <message>
        <source>Restore %1 unsaved edits of %2?</source>
        <translation>%1 nicht gespeicherte Änderungen an %2 wiederherstellen?</translation>
    </message>
    <message>
        <source>A session that ended without saving left them. They are taken as one step that Undo takes back.</source>
        <translation>Eine Sitzung, die ohne Speichern endete, hat sie hinterlassen. Sie werden als ein Schritt übernommen, den Rückgängig zurücknimmt.</translation>
    </message>
    <message>
        <source>restored edits</source>
        <translation>wiederhergestellte Änderungen</translation>
    </message>
    <message>
        <source>Unsaved edits of %1 restored</source>
        <translation>Nicht gespeicherte Änderungen an %1 wiederhergestellt</translation>
    </message>
    <message>
        <source>Put the cursor in the search field</source>
        <translation>Setzt den Cursor in das Suchfeld</translation>
    </message>
    <message>
        <source>Find Parameter</source>
        <translation>Parameter finden</translation>
    </message>
    <message>
        <source>Lists the parameters whose key contains this text, or whose number it is</source>
        <translation>Listet die Parameter, deren Schlüssel diesen Text enthält oder deren Nummer er ist</translation>
    </message>
    <message>
        <source>Names and descriptions</source>
        <translation>Namen und Beschreibungen</translation>
    </message>
    <message>
        <source>Also look for the search text in parameter names and descriptions</source>
        <translation>Den Suchtext auch in Namen und Beschreibungen der Parameter suchen</translation>
    </message>
    <message>
        <source>Parameter details</source>
        <translation>Parameterdetails</translation>
    </message>
</context>
<context>
    <name>TVariablesPane</name>
    <message>
        <source>Variable List...</source>
        <translation>Variablenliste...</translation>
    </message>
</context>
<context>
    <name>TXmlFile</name>
    <message>
        <source>ERR: Reference file XML parse error at line %1 column %2: %3</source>
        <translation>FEHLER: XML-Lesefehler der Referenzdatei in Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>ERR:  Cannot write file &apos;%1&apos;.  Reason: %2</source>
        <translation>FEHLER:  Die Datei &apos;%1&apos; kann nicht geschrieben werden.  Grund: %2</translation>
    </message>
    <message>
        <source>ERR:  Cannot read data from a NULL node</source>
        <translation>FEHLER:  Aus einem NULL-Knoten können keine Daten gelesen werden</translation>
    </message>
    <message>
        <source>ERR: Node Text for &apos;%1&apos; is not optional.</source>
        <translation>FEHLER: Der Knotentext für &apos;%1&apos; ist nicht optional.</translation>
    </message>
    <message>
        <source>ERR: Node attribute &apos;%1&apos; missing and not optional.</source>
        <translation>FEHLER: Das Knotenattribut &apos;%1&apos; fehlt und ist nicht optional.</translation>
    </message>
    <message>
        <source>ERR:  Cannot get child from a NULL node</source>
        <translation>FEHLER:  Ein NULL-Knoten hat keine Kindknoten</translation>
    </message>
    <message>
        <source>ERR: Node &apos;%1&apos; is missing from node &apos;%2&apos; and not optional.</source>
        <translation>FEHLER: Der Knoten &apos;%1&apos; fehlt im Knoten &apos;%2&apos; und ist nicht optional.</translation>
    </message>
    <message>
        <source>ERR: Parent &apos;%1&apos; does not have nodes and they are not optional.</source>
        <translation>FEHLER: Der Elternknoten &apos;%1&apos; hat keine Knoten, und sie sind nicht optional.</translation>
    </message>
    <message>
        <source>ERR:  Cannot open file &apos;%1&apos; for reading.</source>
        <translation>FEHLER:  Die Datei &apos;%1&apos; kann nicht zum Lesen geöffnet werden.</translation>
    </message>
    <message>
        <source>ERR:  Cannot open file: &apos;%1&apos;.  Reason: %2</source>
        <translation>FEHLER:  Die Datei &apos;%1&apos; kann nicht geöffnet werden.  Grund: %2</translation>
    </message>
    <message>
        <source>ERR:  Cannot read file &apos;%1&apos;.  Reason: its document type declares entities</source>
        <translation>FEHLER:  Die Datei &apos;%1&apos; kann nicht gelesen werden.  Grund: ihr Dokumenttyp deklariert Entitäten</translation>
    </message>
    <message>
        <source>ERR:  Identification &apos;%1&apos; does not match &apos;%2&apos;</source>
        <translation>FEHLER:  Die Kennung &apos;%1&apos; passt nicht zu &apos;%2&apos;</translation>
    </message>
    <message>
        <source>ERR: The &apos;File_Version&apos; attribute is missing.</source>
        <translation>FEHLER: Das Attribut &apos;File_Version&apos; fehlt.</translation>
    </message>
    <message>
        <source>ERR:  Cannot open file &apos;%1&apos; for writing</source>
        <translation>FEHLER:  Die Datei &apos;%1&apos; kann nicht zum Schreiben geöffnet werden</translation>
    </message>
    <message>
        <source>ERR:  Cannot read attribute from a NULL node</source>
        <translation>FEHLER:  Aus einem NULL-Knoten kann kein Attribut gelesen werden</translation>
    </message>
    <message>
        <source>ERR:  Cannot get sibling from a NULL node</source>
        <translation>FEHLER:  Ein NULL-Knoten hat keine Geschwisterknoten</translation>
    </message>
    <message>
        <source>ERR: Node &apos;%1&apos; does not have siblings and they are not optional.</source>
        <translation>FEHLER: Der Knoten &apos;%1&apos; hat keine Geschwisterknoten, und sie sind nicht optional.</translation>
    </message>
    <message>
        <source>ERR:  Cannot create node from a NULL node</source>
        <translation>FEHLER:  Aus einem NULL-Knoten kann kein Knoten angelegt werden</translation>
    </message>
    <message>
        <source>ERR:  Cannot create an unnamed node</source>
        <translation>FEHLER:  Ein Knoten ohne Namen kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>ERR:  Cannot append data to a NULL node</source>
        <translation>FEHLER:  An einen NULL-Knoten können keine Daten angehängt werden</translation>
    </message>
    <message>
        <source>ERR:  Cannot write node &apos;%1&apos; with data &apos;%2&apos;</source>
        <translation>FEHLER:  Der Knoten &apos;%1&apos; mit den Daten &apos;%2&apos; kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>ERR:  Cannot create an unnamed attribute</source>
        <translation>FEHLER:  Ein Attribut ohne Namen kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>Utilities</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Not a finite number: %1</source>
        <translation>Keine endliche Zahl: %1</translation>
    </message>
    <message>
        <source>; use a point as the decimal separator: %1</source>
        <translation>; verwenden Sie einen Punkt als Dezimaltrennzeichen: %1</translation>
    </message>
    <message>
        <source>Not a whole number: %1</source>
        <translation>Keine ganze Zahl: %1</translation>
    </message>
    <message>
        <source>Outside the 32-bit integer range: %1</source>
        <translation>Außerhalb des 32-Bit-Ganzzahlbereichs: %1</translation>
    </message>
</context>
</TS>
