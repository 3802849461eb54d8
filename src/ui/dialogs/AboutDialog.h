// The About dialog: name, version, author and two links. No buttons: its
// close box closes it.
#pragma once
#include "../../toolkit/Controls.h"
#include "../../toolkit/Form.h"

class AboutDialog : public Form {
public:
    AboutDialog();

protected:
    void Command(UINT id, UINT code) override;
    void OnCreate() override;
    void PictureMouseUp(Picture& picture, MouseButton button, int x, int y) override;

private:
    void OpenHomePage();
    void WriteMail();

    Picture Portrait;
    Label Title, Author, Date, UrlLabel, UrlLink, MailLabel, MailLink;
};
