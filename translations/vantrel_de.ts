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
    <name>TExpressionEdit</name>
    <message>
        <source>Names that complete the expression</source>
        <translation>Namen, die den Ausdruck vervollständigen</translation>
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
        <translation>Ü&amp;ber Vantrel</translation>
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
    <name>TMessageBox</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
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
    <name>TValuesWidget</name>
    <message>
        <source>Index: %1</source>
        <translation>Index: %1</translation>
    </message>
    <message>
        <source>Index:</source>
        <translation>Index:</translation>
    </message>
</context>
<context>
    <name>TVariablesPane</name>
    <message>
        <source>Variable List...</source>
        <translation>Variablenliste...</translation>
    </message>
</context>
</TS>
