// The edit dialogs of the six object lists, one class a type; each holds a copy of the values it
// edits (SI) and gives them back through Values().
#pragma once

#include "object_dialog.h"

// Clients and installers: name and address.
class CContactDlg : public ObjectDialog {
  public:
    CContactDlg(wxWindow* parent, const ContactData& data, int mode);
    ObjectData Values() const override;
    wxTextCtrl& InfoEdit() { return *info_; }

  protected:
    std::optional<EditProblem> Check(const std::vector<std::string>&) const override {
        return std::nullopt;
    }

  private:
    wxTextCtrl* info_ = nullptr;
};

class CPoolUseDlg : public ObjectDialog {
  public:
    CPoolUseDlg(wxWindow* parent, const PoolUseData& data, UnitSystem units);
    ObjectData Values() const override;
    // Weekday open, weekday close, weekend open, weekend close, activity level.
    wxChoice& Choice(int index) { return *choices_.at(static_cast<std::size_t>(index)); }

  protected:
    std::optional<EditProblem> Check(const std::vector<std::string>& texts) const override;
    // Fields 4 and 5 are the weekday and weekend closing hours.
    wxWindow& ProblemWindow(int field) override;

  private:
    PoolUseData data_;
    std::array<wxChoice*, 5> choices_{};
};

class CCollectorDlg : public ObjectDialog {
  public:
    CCollectorDlg(wxWindow* parent, const CollectorData& data, UnitSystem units);
    ObjectData Values() const override;
    // As a choice in the type list: the equation, units and edits follow.
    void SelectType(int type);
    wxString Equation() const { return equation_->GetLabel(); }

  protected:
    std::optional<EditProblem> Check(const std::vector<std::string>& texts) const override;

  private:
    CollectorData data_;
    wxChoice* type_ = nullptr;
    wxStaticText* equation_ = nullptr;
};

class CHeaterDlg : public ObjectDialog {
  public:
    CHeaterDlg(wxWindow* parent, const HeaterData& data, UnitSystem units);
    ObjectData Values() const override;
    void SelectType(int type);
    wxString EfficiencyLabel() const { return efficiencyLabel_->GetLabel(); }

  protected:
    std::optional<EditProblem> Check(const std::vector<std::string>& texts) const override;

  private:
    void RewriteTypeLabels();

    HeaterData data_;
    wxChoice* type_ = nullptr;
    wxStaticText* capacityLabel_ = nullptr;
    wxStaticText* efficiencyLabel_ = nullptr;
    wxStaticText* efficiencyUnit_ = nullptr;
};

class CBlanketDlg : public ObjectDialog {
  public:
    CBlanketDlg(wxWindow* parent, const BlanketData& data, UnitSystem units);
    ObjectData Values() const override;

  protected:
    std::optional<EditProblem> Check(const std::vector<std::string>& texts) const override;

  private:
    BlanketData data_;
};
