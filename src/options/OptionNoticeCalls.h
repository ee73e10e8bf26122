// What the main window asks of the options dialog when its pages report a
// change. Until the dialog is built it has no preview menu and the
// information page's rebuild only traces itself ([Main] "Test").
#pragma once

class CMenuManager;

// Rebuilds the information page's text; nothing while it is not shown.
void m_SetInfoText();
// The Menu page's preview menu manager; null while there is none.
CMenuManager* m_Option_GetPreviewMenuManager();
