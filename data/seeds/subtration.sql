-- The statistics counts: six records, one per colour row, each count starting at 0.
CREATE TABLE subtration (
    Num1 INTEGER DEFAULT 0
);
INSERT INTO subtration (Num1) VALUES (0);
INSERT INTO subtration (Num1) VALUES (0);
INSERT INTO subtration (Num1) VALUES (0);
INSERT INTO subtration (Num1) VALUES (0);
INSERT INTO subtration (Num1) VALUES (0);
INSERT INTO subtration (Num1) VALUES (0);
