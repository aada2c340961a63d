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
    <name>TExpressionEdit</name>
    <message>
        <source>Names that complete the expression</source>
        <translation>Noms qui complètent l&apos;expression</translation>
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
</TS>
