-- French names of the built-in rows, applied over Tidewarm.ref.sql to make the French reference
-- database "TidewarmFra.ref.mdb": a database created while Tidewarm runs in French is a copy of
-- it. Only the names differ; every value comes from the English catalogue.
UPDATE PoolUse SET Name = CASE PoolUseId
    WHEN 1 THEN 'Résidentielle'
    WHEN 2 THEN 'Piscine publique'
    WHEN 3 THEN 'Piscine de club et de compétition'
END;

UPDATE Collectors SET Name = CASE CollectorId
    WHEN 1 THEN 'Aucun'
    WHEN 2 THEN 'Capteur plan vitré, absorbeur sélectif, 2,0 m2'
    WHEN 3 THEN 'Capteur plan vitré, absorbeur peint en noir, 2,0 m2'
    WHEN 4 THEN 'Capteur non vitré pour piscine, polymère, 3,7 m2'
    WHEN 5 THEN 'Capteur non vitré pour piscine, polymère, 4,5 m2'
END;

UPDATE Heaters SET Name = CASE HeaterId
    WHEN 1 THEN 'Aucun'
    WHEN 2 THEN 'Chauffe-piscine au gaz, 29 kW (100 000 Btu/h)'
    WHEN 3 THEN 'Chauffe-piscine au gaz, 73 kW (250 000 Btu/h)'
    WHEN 4 THEN 'Chauffe-piscine au gaz, 117 kW (400 000 Btu/h), haut rendement'
    WHEN 5 THEN 'Pompe à chaleur, 14 kW'
    WHEN 6 THEN 'Pompe à chaleur, 26 kW'
END;

UPDATE Blankets SET Name = CASE BlanketId
    WHEN 1 THEN 'Aucune'
    WHEN 2 THEN 'Couverture à bulles transparente'
    WHEN 3 THEN 'Couverture à bulles opaque'
    WHEN 4 THEN 'Couverture en mousse, 6 mm'
    WHEN 5 THEN 'Couverture liquide (film de surface)'
END;
